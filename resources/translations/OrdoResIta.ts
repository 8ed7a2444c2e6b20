<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Ordo</source>
        <translation>Informazioni su Ordo</translation>
    </message>
    <message>
        <source>Ordoteca Version 1.0 RC1</source>
        <translation>Ordoteca versione 1.0 RC1</translation>
    </message>
    <message>
        <source>Quenlow Software</source>
        <translation>Quenlow Software</translation>
    </message>
</context>
<context>
    <name>BasicSearch</name>
    <message>
        <source>No search results found.</source>
        <translation>Nessun risultato trovato.</translation>
    </message>
</context>
<context>
    <name>CAccessibleNamer</name>
    <message>
        <source>More commands</source>
        <translation>Altri comandi</translation>
    </message>
</context>
<context>
    <name>CAddBookCommand</name>
    <message>
        <source>Do you want to add this book by hand?</source>
        <translation>Aggiungere questo libro manualmente?</translation>
    </message>
    <message>
        <source>This book is already in the catalogue as &quot;%1&quot;. Add another copy?</source>
        <translation>Questo libro è già nel catalogo come &quot;%1&quot;. Aggiungerne un&apos;altra copia?</translation>
    </message>
    <message>
        <source>The book&apos;s details could not be looked up; the sheet holds what the search listed. %1</source>
        <translation>Non è stato possibile cercare i dettagli del libro; la scheda contiene ciò che la ricerca ha elencato. %1</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Add Book</source>
        <translation>Aggiungi libro</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>Inserire gli ISBN qui sotto (uno per riga).</translation>
    </message>
    <message>
        <source>Tip: Use your barcode scanner here, e.g. CueCat</source>
        <translation>Suggerimento: qui si può usare un lettore di codici a barre, ad es. CueCat</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Carica...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera...</source>
        <translation>Scansiona con la &amp;fotocamera...</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>Scansiona &amp;immagini...</translation>
    </message>
    <message>
        <source>ISBNs</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>Cerca online per IS&amp;BN</translation>
    </message>
    <message>
        <source>Query Online &amp;By Title, Author and Publisher</source>
        <translation>Cerca online per titolo, autore ed &amp;editore</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autore:</translation>
    </message>
    <message>
        <source>P&amp;ublisher:</source>
        <translation>Edito&amp;re:</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>Aggiungi un libro &amp;manualmente</translation>
    </message>
</context>
<context>
    <name>CBarcodeScanDlg</name>
    <message>
        <source>Scan ISBN Barcodes</source>
        <translation>Scansione dei codici a barre ISBN</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>&amp;Fotocamera:</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera and it appears here, or scan photos of the barcodes instead.</source>
        <translation>Nessuna fotocamera trovata. Collegare una fotocamera perché compaia qui, oppure scansionare delle foto dei codici a barre.</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>Scansiona &amp;immagini...</translation>
    </message>
    <message>
        <source>&amp;ISBNs found:</source>
        <translation>ISBN tr&amp;ovati:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Add Pic&amp;tures...</source>
        <translation>Aggiungi imma&amp;gini...</translation>
    </message>
    <message>
        <source>%1 is the ISSN of a periodical, not an ISBN.</source>
        <translation>%1 è l&apos;ISSN di un periodico, non un ISBN.</translation>
    </message>
    <message>
        <source>%1 is the number of printed music, not an ISBN.</source>
        <translation>%1 è il numero di uno spartito, non un ISBN.</translation>
    </message>
    <message>
        <source>%1 was misread (wrong check digit); try again.</source>
        <translation>%1 è stato letto male (cifra di controllo errata); riprovare.</translation>
    </message>
    <message>
        <source>The barcode &quot;%1&quot; holds no ISBN.</source>
        <translation>Il codice a barre &quot;%1&quot; non contiene un ISBN.</translation>
    </message>
    <message>
        <source>%1 is not a book&apos;s barcode.</source>
        <translation>%1 non è il codice a barre di un libro.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>Fi&amp;ne</translation>
    </message>
    <message>
        <source>Each barcode found in the pictures is listed below.</source>
        <translation>Qui sotto è elencato ogni codice a barre trovato nelle immagini.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Hold a book&apos;s barcode up to the camera.</source>
        <translation>Avvicinare il codice a barre di un libro alla fotocamera.</translation>
    </message>
    <message>
        <source>%1: Cannot read HEIC pictures here; save the photo as JPEG</source>
        <translation>%1: qui non si possono leggere immagini HEIC; salvare la foto come JPEG</translation>
    </message>
    <message>
        <source>%1: Cannot read this picture</source>
        <translation>%1: impossibile leggere questa immagine</translation>
    </message>
    <message>
        <source>%1: No ISBN barcode found</source>
        <translation>%1: nessun codice a barre ISBN trovato</translation>
    </message>
    <message numerus="yes">
        <source>All pictures read: %n ISBN(s) in the list.</source>
        <translation>
            <numerusform>Lettura delle immagini completata: %n ISBN nell&apos;elenco.</numerusform>
            <numerusform>Lettura delle immagini completata: %n ISBN nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>Aggiunto %1.</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n picture(s)...</source>
        <translation>
            <numerusform>Lettura di %n immagine...</numerusform>
            <numerusform>Lettura di %n immagini...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>It also finds the books lent to or borrowed from a person whose name holds the keyword.</source>
        <translation>Trova anche i libri prestati a una persona, o avuti da una persona, il cui nome contiene la parola.</translation>
    </message>
    <message>
        <source>Basic Search</source>
        <translation>Ricerca semplice</translation>
    </message>
    <message>
        <source>Enter keyword:</source>
        <translation>Parola chiave:</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>S&amp;vuota prima i Risultati della ricerca</translation>
    </message>
    <message>
        <source>&amp;Ignore accents (e also finds é, è and ê)</source>
        <translation>&amp;Ignora gli accenti (e trova anche é, è ed ê)</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>La ricerca semplice cerca nei seguenti 7 campi: titolo del libro, autore, ISBN, descrizione, note, testo utente 1 e testo utente 2.</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <translation>Inserire una parola chiave da cercare.</translation>
    </message>
    <message>
        <source>Only books</source>
        <translation>Solo i libri</translation>
    </message>
    <message>
        <source>In a se&amp;ries named:</source>
        <translation>Di una se&amp;rie chiamata:</translation>
    </message>
    <message>
        <source>Read in &amp;year:</source>
        <translation>Letti nell&apos;ann&amp;o:</translation>
    </message>
    <message>
        <source>A series or a year narrows the search; either may be given without a keyword. A book counts as read in a year when one of its readings started, went on or finished in it.</source>
        <translation>Una serie o un anno restringono la ricerca; ciascuno basta anche senza parola chiave. Un libro conta come letto in un anno quando una sua lettura vi è iniziata, proseguita o finita.</translation>
    </message>
    <message>
        <source>Please enter a year such as 2025.</source>
        <translation>Inserire un anno, ad es. 2025.</translation>
    </message>
</context>
<context>
    <name>CBatchQueryDlg</name>
    <message>
        <source>Batch Mode</source>
        <translation>Modalità batch</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Add books already in the catalogue</source>
        <translation>Aggiungi anche i libri già presenti nel catalogo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Avv&amp;ia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Errore: </translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>Già nel catalogo</translation>
    </message>
    <message>
        <source>the book was not saved</source>
        <translation>il libro non è stato salvato</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>Completamento in corso, attendere...</translation>
    </message>
    <message>
        <source>Copies the ISBNs that were not found, failed or were not looked up, one per line, for another try.</source>
        <translation>Copia gli ISBN non trovati, non riusciti o non cercati, uno per riga, per riprovare.</translation>
    </message>
    <message>
        <source>Copy &amp;Failed ISBNs</source>
        <translation>Copia ISBN &amp;falliti</translation>
    </message>
    <message>
        <source>Saves the ISBNs that were not found, failed or were not looked up to a text file, one per line, for another try.</source>
        <translation>Salva in un file di testo gli ISBN non trovati, non riusciti o non cercati, uno per riga, per riprovare.</translation>
    </message>
    <message>
        <source>Sa&amp;ve Failed ISBNs...</source>
        <translation>Sal&amp;va ISBN falliti...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n aggiunto</numerusform>
            <numerusform>%n aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <translation>
            <numerusform>%n aggiornato</numerusform>
            <numerusform>%n aggiornati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the catalogue</source>
        <translation>
            <numerusform>%n già nel catalogo</numerusform>
            <numerusform>%n già nel catalogo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n non trovato</numerusform>
            <numerusform>%n non trovati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n non riuscito</numerusform>
            <numerusform>%n non riusciti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>%n non cercato</numerusform>
            <numerusform>%n non cercati</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the batch summary</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>ISBNs and what was found</source>
        <translation>ISBN e libri trovati</translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>&amp;Sottotitolo:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autore:</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>Pagina &amp;web:</translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation>&amp;Edizione:</translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation>&amp;ISBN:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Ling&amp;ua:</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>Data di pu&amp;bblicazione:</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <extracomment>Hardcover, paperback...</extracomment>
        <translation>&amp;Rilegatura:</translation>
    </message>
    <message>
        <source>&amp;Dimension:</source>
        <translation>&amp;Dimensioni:</translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>Alle&amp;gati:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of pages. Please type digits only, for example 340.</source>
        <translation>&quot;%1&quot; non è un numero di pagine. Digitare solo cifre, ad esempio 340.</translation>
    </message>
    <message>
        <source>Publis&amp;her:</source>
        <translation>Edit&amp;ore:</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Pagine:</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>Dati bibliogra&amp;fici</translation>
    </message>
    <message>
        <source>Part o&amp;f Series:</source>
        <translation>Serie (&amp;K):</translation>
    </message>
    <message>
        <source>Nu&amp;mber in Series:</source>
        <extracomment>The book&apos;s number within its series: 3, 3.5, III, Book 2...</extracomment>
        <translation>N° di &amp;volume nella serie:</translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation>Copertina anteriore</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation>Copertina posteriore</translation>
    </message>
    <message>
        <source>Downloaded picture, saved with the book</source>
        <translation>Immagine scaricata, salvata con il libro</translation>
    </message>
    <message>
        <source>Downloaded from %1</source>
        <translation>Scaricata da %1</translation>
    </message>
    <message>
        <source>Co&amp;vers</source>
        <translation>&amp;Copertine</translation>
    </message>
    <message>
        <source>Browse for the front cover</source>
        <translation>Sfoglia per la copertina anteriore</translation>
    </message>
    <message>
        <source>Clear the front cover</source>
        <translation>Cancella la copertina anteriore</translation>
    </message>
    <message>
        <source>Browse for the back cover</source>
        <translation>Sfoglia per la copertina posteriore</translation>
    </message>
    <message>
        <source>Clear the back cover</source>
        <translation>Cancella la copertina posteriore</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Copertina anteriore</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>Copertina posteriore</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Nessuna immagine</translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>Des&amp;cription</source>
        <translation>Descri&amp;zione</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>Aggiungere URL, file locali o cartelle legati a questo libro.</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>ad es. il sito web dell&apos;autore, i file dell&apos;eBook.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>M&amp;odifica...</translation>
    </message>
    <message>
        <source>Related Lin&amp;ks</source>
        <translation>Collega&amp;menti correlati</translation>
    </message>
    <message>
        <source>Related links</source>
        <translation>Collegamenti correlati</translation>
    </message>
</context>
<context>
    <name>CBookLoansPage</name>
    <message>
        <source>History:</source>
        <translation>Cronologia:</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>Restituito il</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Lend and Return in the Edit menu record loans.</source>
        <translation>I prestiti si registrano con Presta e Restituisci nel menu Modifica.</translation>
    </message>
    <message>
        <source>Loan Histor&amp;y</source>
        <translation>Prestiti (&amp;Y)</translation>
    </message>
    <message>
        <source>Lent to %1 since %2</source>
        <translation>Prestato a %1 dal %2</translation>
    </message>
    <message>
        <source>Borrowed from %1 since %2</source>
        <translation>Preso in prestito da %1 dal %2</translation>
    </message>
    <message>
        <source>, due %1</source>
        <translation>, da restituire entro il %1</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation> (in ritardo)</translation>
    </message>
    <message>
        <source>Not on loan.</source>
        <translation>Non in prestito.</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Prestato</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Preso in prestito</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>In ritardo</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Note</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>Acquisto</translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation>&amp;Data di acquisto:</translation>
    </message>
    <message>
        <source>&amp;Purchase Price:</source>
        <translation>&amp;Prezzo pagato:</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>Prezzo di cope&amp;rtina:</translation>
    </message>
    <message>
        <source>Am&amp;azon Price:</source>
        <translation>Prezzo &amp;Amazon:</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>C&amp;ollocazione:</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>&amp;Stato:</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>Pagina corr&amp;ente:</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valutazione</translation>
    </message>
    <message>
        <source>Amazon &amp;Rating:</source>
        <translation>&amp;Valutazione Amazon:</translation>
    </message>
    <message>
        <source>&amp;My Rating:</source>
        <translation>La m&amp;ia valutazione:</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>Non valutato</translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation>Testi definiti dall&apos;utente</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>Testo utente &amp;1:</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>Testo utente &amp;2:</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>eBook</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>&amp;Ho solo l&apos;eBook</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>Forma&amp;to:</translation>
    </message>
    <message>
        <source>Si&amp;ze (in MB):</source>
        <translation>Dimensione (in M&amp;B):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a price. Please type an amount, for example %2 or %3.</source>
        <translation>&quot;%1&quot; non è un prezzo. Digitare un importo, ad esempio %2 o %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number. Please type digits only, for example 120.</source>
        <translation>&quot;%1&quot; non è un numero di pagina. Digitare solo cifre, ad esempio 120.</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>Ne&amp;gozio:</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>N&amp;umero di recensioni:</translation>
    </message>
    <message>
        <source>Pers&amp;onal</source>
        <translation>Persona&amp;le</translation>
    </message>
    <message>
        <source>&amp;When Added:</source>
        <translation>&amp;Quando aggiunto:</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Letture</translation>
    </message>
</context>
<context>
    <name>CBorrowers</name>
    <message>
        <source>A borrower needs a name.</source>
        <translation>Una persona deve avere un nome.</translation>
    </message>
    <message>
        <source>There is already a borrower called %1. To make the two one, use Merge.</source>
        <translation>Esiste già una persona di nome %1. Per farne una sola, usare Unisci.</translation>
    </message>
    <message>
        <source>This borrower has loans and cannot be deleted. Rename or merge instead.</source>
        <translation>Questa persona ha dei prestiti e non può essere eliminata. Rinominarla o unirla a un&apos;altra.</translation>
    </message>
</context>
<context>
    <name>CBorrowersDlg</name>
    <message>
        <source>Borrowers</source>
        <translation>Persone dei prestiti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Books now</source>
        <translation>Libri ora</translation>
    </message>
    <message>
        <source>Books ever</source>
        <translation>Libri in tutto</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Merge Into...</source>
        <translation>&amp;Unisci a...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Merge Into</source>
        <translation>Unisci a</translation>
    </message>
    <message>
        <source>Give every loan of this borrower to:</source>
        <translation>Assegna tutti i prestiti di questa persona a:</translation>
    </message>
</context>
<context>
    <name>CCatalogueBackup</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>The catalogue is busy.</source>
        <translation>Il catalogo è occupato.</translation>
    </message>
    <message>
        <source>%1 is not a usable catalogue backup.</source>
        <translation>%1 non è una copia di sicurezza utilizzabile del catalogo.</translation>
    </message>
</context>
<context>
    <name>CCatalogueCheck</name>
    <message>
        <source>The database file is intact.</source>
        <translation>Il file del database è integro.</translation>
    </message>
    <message numerus="yes">
        <source>The database file is damaged (%n problem(s)):</source>
        <translation>
            <numerusform>Il file del database è danneggiato (%n problema):</numerusform>
            <numerusform>Il file del database è danneggiato (%n problemi):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) belong to a book or category that no longer exists.</source>
        <translation>
            <numerusform>%n riga appartiene a un libro o a una categoria che non esiste più.</numerusform>
            <numerusform>%n righe appartengono a un libro o a una categoria che non esiste più.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the images folder belong to no book:</source>
        <translation>
            <numerusform>%n immagine nella cartella delle immagini non appartiene ad alcun libro:</numerusform>
            <numerusform>%n immagini nella cartella delle immagini non appartengono ad alcun libro:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were left by an interrupted save.</source>
        <translation>
            <numerusform>%n file residuo di un salvataggio interrotto.</numerusform>
            <numerusform>%n file residui di un salvataggio interrotto.</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems were found.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s).</source>
        <translation>
            <numerusform>Rimossa %n riga.</numerusform>
            <numerusform>Rimosse %n righe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %n missing cover name(s).</source>
        <translation>
            <numerusform>Rimosso il riferimento a %n copertina mancante.</numerusform>
            <numerusform>Rimossi i riferimenti a %n copertine mancanti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n picture(s) to the folder &quot;%1&quot;.</source>
        <translation>
            <numerusform>Spostata %n immagine nella cartella &quot;%1&quot;.</numerusform>
            <numerusform>Spostate %n immagini nella cartella &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n leftover file(s).</source>
        <translation>
            <numerusform>Rimosso %n file residuo.</numerusform>
            <numerusform>Rimossi %n file residui.</numerusform>
        </translation>
    </message>
    <message>
        <source>A damaged database file cannot be repaired here; restore a backup.</source>
        <translation>Un file di database danneggiato non si può riparare qui; ripristinare una copia di sicurezza.</translation>
    </message>
    <message>
        <source>Book %1 (untitled): the cover picture %2 is missing.</source>
        <translation>Libro %1 (senza titolo): manca l&apos;immagine di copertina %2.</translation>
    </message>
    <message>
        <source>“%1” (book %2): the cover picture %3 is missing.</source>
        <translation>“%1” (libro %2): manca l&apos;immagine di copertina %3.</translation>
    </message>
</context>
<context>
    <name>CCatalogueMove</name>
    <message>
        <source>Copying the catalogue to %1...</source>
        <translation>Copia del catalogo su %1...</translation>
    </message>
    <message>
        <source>The catalogue is now on the server as %1. Open it there?</source>
        <translation>Il catalogo ora si trova sul server come %1. Aprirlo lì?</translation>
    </message>
    <message>
        <source>%1 is the catalogue that is open. Choose another file.</source>
        <translation>%1 è il catalogo aperto. Scegli un altro file.</translation>
    </message>
    <message>
        <source>Saving a copy of the catalogue to %1...</source>
        <translation>Salvataggio di una copia del catalogo in %1...</translation>
    </message>
    <message>
        <source>A copy of the catalogue was saved to %1.</source>
        <translation>Una copia del catalogo è stata salvata in %1.</translation>
    </message>
</context>
<context>
    <name>CCatalogueTools</name>
    <message>
        <source>The automatic backup failed: %1</source>
        <translation>La copia di sicurezza automatica non è riuscita: %1</translation>
    </message>
    <message>
        <source>Repair what can be repaired?</source>
        <translation>Riparare ciò che si può riparare?</translation>
    </message>
    <message>
        <source>There is no backup of this catalogue yet.</source>
        <translation>Non esiste ancora una copia di sicurezza di questo catalogo.</translation>
    </message>
    <message>
        <source>Replace the whole catalogue by the backup %1?
Its present contents are kept as a backup of their own.</source>
        <translation>Sostituire l&apos;intero catalogo con la copia di sicurezza %1?
Il contenuto attuale viene conservato in una copia di sicurezza separata.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Ripristina copia di sicurezza</translation>
    </message>
    <message>
        <source>Replace the catalogue by this backup:</source>
        <translation>Sostituisci il catalogo con questa copia di sicurezza:</translation>
    </message>
</context>
<context>
    <name>CCategoryGeneralPage</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Contiene:</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>Ultimo aggiornamento:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>CCopyProgress</name>
    <message>
        <source>These values could not be copied as they were:</source>
        <translation>Questi valori non hanno potuto essere copiati così com&apos;erano:</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...e ancora %n.</numerusform>
            <numerusform>...e altri %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCsvParser</name>
    <message>
        <source>A quoted field that starts on line %1 never ends.</source>
        <translation>Un campo tra virgolette che inizia alla riga %1 non finisce mai.</translation>
    </message>
</context>
<context>
    <name>CDatePickerWithNone</name>
    <message>
        <source>Clear the box to leave the date empty</source>
        <translation>Deselezionare per lasciare la data vuota</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>Ha una data</translation>
    </message>
</context>
<context>
    <name>CExportCatalogDlg</name>
    <message>
        <source>Export Catalogue</source>
        <translation>Esporta catalogo</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>The &amp;whole catalogue</source>
        <translation>L&apos;&amp;intero catalogo</translation>
    </message>
    <message>
        <source>The current &amp;category</source>
        <translation>La &amp;categoria corrente</translation>
    </message>
    <message>
        <source>with its &amp;sub-categories</source>
        <translation>con le sue &amp;sottocategorie</translation>
    </message>
    <message>
        <source>The s&amp;elected books</source>
        <translation>I libri s&amp;elezionati</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (UTF-8)</source>
        <translation>CSV per fogli di calcolo (UTF-8)</translation>
    </message>
    <message>
        <source>Tellico collection with covers (.tc)</source>
        <translation>Raccolta Tellico con copertine (.tc)</translation>
    </message>
    <message>
        <source>Book XML (as Save As XML)</source>
        <translation>XML dei libri (come «Salva come XML»)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Tellico Collections (*.tc)</source>
        <translation>Raccolte Tellico (*.tc)</translation>
    </message>
    <message>
        <source>XML Files (*.xml)</source>
        <translation>File XML (*.xml)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Ordoteca Help</source>
        <translation>Guida di Ordoteca</translation>
    </message>
</context>
<context>
    <name>CHtmlEditorPage</name>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
</context>
<context>
    <name>CImportWizard</name>
    <message>
        <source>Import Books</source>
        <translation>Importa libri</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Scegliere un file</translation>
    </message>
    <message>
        <source>A spreadsheet saved as CSV or tab-separated text, a Goodreads or LibraryThing export, or a Tellico collection (.tc or .xml).</source>
        <translation>Un foglio di calcolo salvato come CSV o testo separato da tabulazioni, un&apos;esportazione di Goodreads o LibraryThing, o una raccolta Tellico (.tc o .xml).</translation>
    </message>
    <message>
        <source>Book lists (*.csv *.tsv *.txt *.tc *.xml);;All Files (*)</source>
        <translation>Elenchi di libri (*.csv *.tsv *.txt *.tc *.xml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Choose the book field each column of the file goes into. The choice is remembered for files of this kind.</source>
        <translation>Scegliere il campo del libro in cui importare ciascuna colonna del file. La scelta viene ricordata per i file di questo tipo.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Primo valore</translation>
    </message>
    <message>
        <source>Book field</source>
        <translation>Campo del libro</translation>
    </message>
    <message>
        <source>Where the books go</source>
        <translation>Destinazione dei libri</translation>
    </message>
    <message>
        <source>Into the &amp;category</source>
        <translation>Nella &amp;categoria</translation>
    </message>
    <message>
        <source>Shelves, tags and groups become &amp;sub-categories</source>
        <translation>Scaffali, etichette e gruppi diventano s&amp;ottocategorie</translation>
    </message>
    <message>
        <source>S&amp;kip books already in the catalogue (same ISBN, or same title and author)</source>
        <translation>Sal&amp;ta i libri già presenti nel catalogo (stesso ISBN oppure stesso titolo e autore)</translation>
    </message>
    <message>
        <source>&amp;Update them with the file&apos;s values</source>
        <translation>&amp;Aggiornali con i valori del file</translation>
    </message>
    <message>
        <source>&amp;Look the ISBNs up online afterwards to fill empty fields and covers</source>
        <translation>Cerca poi gli ISBN on&amp;line per riempire i campi vuoti e le copertine</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The first books of the file as they will be imported.</source>
        <translation>I primi libri del file come verranno importati.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n book(s)</source>
        <translation>
            <numerusform>%1, %n libro</numerusform>
            <numerusform>%1, %n libri</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the column that holds the title or the ISBN.</source>
        <translation>Scegliere la colonna che contiene il titolo o l&apos;ISBN.</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Into a ne&amp;w category under it, named</source>
        <translation>In una &amp;nuova categoria al suo interno, di nome</translation>
    </message>
    <message>
        <source>File to import</source>
        <translation>File da importare</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>Esegui SQL</translation>
    </message>
    <message>
        <source>Input SQL statement:</source>
        <translation>Istruzione SQL:</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>Nota: solo per utenti esperti.</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>L&apos;istruzione SQL non può essere vuota.</translation>
    </message>
</context>
<context>
    <name>CLendDlg</name>
    <message>
        <source>Lend</source>
        <translation>Presta</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autore:</translation>
    </message>
    <message>
        <source>&amp;Borrower:</source>
        <translation>Pe&amp;rsona:</translation>
    </message>
    <message>
        <source>&amp;Loan date:</source>
        <translation>&amp;Data del prestito:</translation>
    </message>
    <message>
        <source>D&amp;ue date:</source>
        <translation>Da restit&amp;uire entro:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Borrowed Book</source>
        <translation>Libro preso in prestito</translation>
    </message>
    <message>
        <source>Borrowed &amp;from:</source>
        <translation>Prestato &amp;da:</translation>
    </message>
    <message>
        <source>Borrowed &amp;on:</source>
        <translation>Ricevuto i&amp;l:</translation>
    </message>
    <message>
        <source>Please enter the title of the book.</source>
        <translation>Inserire il titolo del libro.</translation>
    </message>
    <message>
        <source>Please enter who the book is lent to.</source>
        <translation>Indicare a chi è prestato il libro.</translation>
    </message>
    <message>
        <source>Please enter who the book is borrowed from.</source>
        <translation>Indicare da chi è stato preso in prestito il libro.</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>La data di restituzione non può precedere quella del prestito.</translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Percorso:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>(Facoltativo)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>CListFilterBar</name>
    <message>
        <source>Filter this list</source>
        <translation>Filtra questo elenco</translation>
    </message>
    <message>
        <source>Show only the books whose title, subtitle, author, ISBN, publisher or series hold every word typed; Esc clears</source>
        <extracomment>Tooltip of the filter bar above the book list.</extracomment>
        <translation>Mostra solo i libri il cui titolo, sottotitolo, autore, ISBN, editore o serie contengono tutte le parole digitate; Esc cancella</translation>
    </message>
</context>
<context>
    <name>CLoanTools</name>
    <message>
        <source>Show the books on loan</source>
        <translation>Mostra i libri in prestito</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) are overdue</source>
        <translation>
            <numerusform>%n libro in ritardo</numerusform>
            <numerusform>%n libri in ritardo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) were on loan already and kept their loan.</source>
        <translation>
            <numerusform>%n libro era già in prestito e lo resta.</numerusform>
            <numerusform>%n libri erano già in prestito e lo restano.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLoans</name>
    <message>
        <source>Please enter who the book is lent to or borrowed from.</source>
        <translation>Indicare a chi è prestato il libro o da chi è stato preso.</translation>
    </message>
    <message>
        <source>Please enter the date of the loan.</source>
        <translation>Inserire la data del prestito.</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>La data di restituzione non può precedere quella del prestito.</translation>
    </message>
    <message>
        <source>Please enter the date the book came back.</source>
        <translation>Inserire la data in cui il libro è tornato.</translation>
    </message>
    <message>
        <source>A book cannot come back before the date it was lent. Nothing was returned.</source>
        <translation>Un libro non può tornare prima della data del prestito. Non è stato restituito nulla.</translation>
    </message>
</context>
<context>
    <name>CLookupProgressDlg</name>
    <message>
        <source>Add Book</source>
        <translation>Aggiungi libro</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>No CSS files found.</source>
        <translation>Nessun file CSS trovato.</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <translation>Nessun file XSL trovato.</translation>
    </message>
    <message>
        <source>&amp;New Database...</source>
        <translation>&amp;Nuovo database...</translation>
    </message>
    <message>
        <source>Create a new book database
New Database</source>
        <translation>Crea un nuovo database di libri
Nuovo database</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>&amp;Apri database...</translation>
    </message>
    <message>
        <source>Open an existing book database
Open Database</source>
        <translation>Apre un database di libri esistente
Apri database</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>Salva come &amp;HTML...</translation>
    </message>
    <message>
        <source>Save the book page as an HTML file
Save As HTML</source>
        <translation>Salva la pagina dei libri come file HTML
Salva come HTML</translation>
    </message>
    <message>
        <source>Save the selected books as an XML file
Save As XML</source>
        <translation>Salva i libri selezionati come file XML
Salva come XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Imposta&amp;zione pagina...</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Modifica le opzioni di stampa
Impostazione pagina</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Antepri&amp;ma di stampa...</translation>
    </message>
    <message>
        <source>Display the book page as it will be printed
Print Preview</source>
        <translation>Mostra la pagina dei libri come verrà stampata
Anteprima di stampa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Print the book page
Print</source>
        <translation>Stampa la pagina dei libri
Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Chiude l&apos;applicazione
Esci</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Taglia la selezione e la sposta negli Appunti
Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selezione negli Appunti
Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserisce il contenuto degli Appunti
Incolla</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Sele&amp;ziona tutto</translation>
    </message>
    <message>
        <source>Select everything
Select All</source>
        <translation>Seleziona tutto
Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annulla l&apos;ultima azione
Annulla</translation>
    </message>
    <message>
        <source>Add a sub category to the selected category
Add Sub Category</source>
        <translation>Aggiunge una sottocategoria alla categoria selezionata
Aggiungi sottocategoria</translation>
    </message>
    <message>
        <source>Delete the selected category
Remove Category</source>
        <translation>Elimina la categoria selezionata
Rimuovi categoria</translation>
    </message>
    <message>
        <source>Rename or annotate the selected category
Edit Category</source>
        <translation>Rinomina la categoria selezionata o ne modifica le note
Modifica categoria</translation>
    </message>
    <message>
        <source>Add &amp;Book...</source>
        <translation>Aggiungi &amp;libro...</translation>
    </message>
    <message>
        <source>Add a book to the selected category
Add Book</source>
        <translation>Aggiunge un libro alla categoria selezionata
Aggiungi libro</translation>
    </message>
    <message>
        <source>&amp;Remove Book</source>
        <translation>&amp;Rimuovi libro</translation>
    </message>
    <message>
        <source>Remove the selected books
Remove Book</source>
        <translation>Rimuove i libri selezionati
Rimuovi libro</translation>
    </message>
    <message>
        <source>&amp;Edit Book...</source>
        <translation>&amp;Modifica libro...</translation>
    </message>
    <message>
        <source>Edit the selected book
Edit Book</source>
        <translation>Modifica il libro selezionato
Modifica libro</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>&amp;Preferiti</translation>
    </message>
    <message>
        <source>Add the selected books to Favorites
Favorites</source>
        <translation>Aggiunge i libri selezionati ai Preferiti
Preferiti</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>&amp;Elenco di lettura</translation>
    </message>
    <message>
        <source>Add the selected books to the Reading List
Reading List</source>
        <translation>Aggiunge i libri selezionati all&apos;Elenco di lettura
Elenco di lettura</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>&amp;Risultati della ricerca</translation>
    </message>
    <message>
        <source>Add the selected books to Search Results
Search Results</source>
        <translation>Aggiunge i libri selezionati ai Risultati della ricerca
Risultati della ricerca</translation>
    </message>
    <message>
        <source>Basic &amp;Search</source>
        <translation>Ricerca &amp;semplice</translation>
    </message>
    <message>
        <source>Search the catalogue for a keyword
Basic Search</source>
        <translation>Cerca una parola chiave nel catalogo
Ricerca semplice</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti
Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Mostra o nasconde la barra di stato
Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>Show the book page again
Refresh</source>
        <translation>Mostra di nuovo la pagina dei libri
Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>&amp;Esegui SQL...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database
Run SQL</source>
        <translation>Invia un&apos;istruzione SQL al database
Esegui SQL</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Set default values and the interface language
Options</source>
        <translation>Imposta i valori predefiniti e la lingua dell&apos;interfaccia
Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Sommario della Guida</translation>
    </message>
    <message>
        <source>Open the user guide
Help Topics</source>
        <translation>Apre la guida dell&apos;utente
Sommario della Guida</translation>
    </message>
    <message>
        <source>&amp;About Ordo...</source>
        <translation>&amp;Informazioni su Ordo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright
Informazioni</translation>
    </message>
    <message>
        <source>Ordoteca &amp;Website</source>
        <translation>Sito &amp;web di Ordoteca</translation>
    </message>
    <message>
        <source>Visit the Ordoteca web site
Website</source>
        <translation>Visita il sito web di Ordoteca
Sito web</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>&amp;Forum di assistenza</translation>
    </message>
    <message>
        <source>Visit the Ordoteca support forum
Forum</source>
        <translation>Visita il forum di assistenza di Ordoteca
Forum</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Display help for the current task
Help</source>
        <translation>Mostra la guida per l&apos;operazione corrente
Aiuto</translation>
    </message>
    <message>
        <source>Help &amp;Mode</source>
        <translation>&amp;Modalità Guida</translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help</source>
        <translation>Mostra la guida per i pulsanti, i menu e le finestre su cui si fa clic
Aiuto</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passa al riquadro successivo della finestra
Riquadro successivo</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Riquadro precedente</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Torna al riquadro precedente della finestra
Riquadro precedente</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>Apri questo database</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>%1 (read-only) - Ordoteca</source>
        <translation>%1 (sola lettura) - Ordoteca</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>Bring in books from a spreadsheet, Goodreads, LibraryThing or Tellico
Import</source>
        <translation>Importa libri da un foglio di calcolo, Goodreads, LibraryThing o Tellico
Importa</translation>
    </message>
    <message>
        <source>Export &amp;Catalogue...</source>
        <translation>Esporta &amp;catalogo...</translation>
    </message>
    <message>
        <source>Write the catalogue, a category or the selected books to a file
Export Catalogue</source>
        <translation>Scrive il catalogo, una categoria o i libri selezionati in un file
Esporta catalogo</translation>
    </message>
    <message>
        <source>&amp;Check Catalogue...</source>
        <translation>&amp;Controlla catalogo...</translation>
    </message>
    <message>
        <source>Check the catalogue and its cover pictures and repair what can be repaired
Check Catalogue</source>
        <translation>Controlla il catalogo e le sue immagini di copertina e ripara ciò che si può riparare
Controlla catalogo</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Ripristina copia di &amp;sicurezza...</translation>
    </message>
    <message>
        <source>Replace the catalogue by one of its automatic backups
Restore Backup</source>
        <translation>Sostituisce il catalogo con una delle sue copie di sicurezza automatiche
Ripristina copia di sicurezza</translation>
    </message>
    <message>
        <source>User Guide in Web &amp;Browser</source>
        <translation>Guida dell&apos;utente nel &amp;browser</translation>
    </message>
    <message>
        <source>Open the user guide in the desktop&apos;s web browser
User Guide in Web Browser</source>
        <translation>Apre la guida dell&apos;utente nel browser web del desktop
Guida dell&apos;utente nel browser</translation>
    </message>
    <message>
        <source>Save As X&amp;ML...</source>
        <translation>Salva come &amp;XML...</translation>
    </message>
    <message>
        <source>Add S&amp;ub Category...</source>
        <translation>Aggiungi s&amp;ottocategoria...</translation>
    </message>
    <message>
        <source>Re&amp;move Category</source>
        <translation>Rimuovi cate&amp;goria</translation>
    </message>
    <message>
        <source>Edit Cate&amp;gory...</source>
        <translation>Modifica c&amp;ategoria...</translation>
    </message>
    <message>
        <source>Se&amp;nd To</source>
        <translation>In&amp;via a</translation>
    </message>
    <message>
        <source>Content T&amp;emplate</source>
        <translation>&amp;Modello dei contenuti</translation>
    </message>
    <message>
        <source>&amp;Display Style</source>
        <translation>Stile di &amp;visualizzazione</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>Book page</source>
        <translation>Pagina del libro</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>&amp;Presta...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone
Lend</source>
        <translation>Registra che i libri selezionati sono prestati a qualcuno
Presta</translation>
    </message>
    <message>
        <source>Record that the selected books on loan came back
Return</source>
        <translation>Registra che i libri selezionati in prestito sono tornati
Restituisci</translation>
    </message>
    <message>
        <source>Borro&amp;wed Book...</source>
        <translation>Li&amp;bro preso in prestito...</translation>
    </message>
    <message>
        <source>Add a book you borrowed, so that you remember to give it back
Borrowed Book</source>
        <translation>Aggiungi un libro avuto in prestito, per ricordarsi di restituirlo
Libro preso in prestito</translation>
    </message>
    <message>
        <source>&amp;Borrowers...</source>
        <translation>&amp;Persone dei prestiti...</translation>
    </message>
    <message>
        <source>Rename, merge or delete the people books are lent to
Borrowers</source>
        <translation>Rinomina, unisci o elimina le persone a cui si prestano libri
Persone dei prestiti</translation>
    </message>
    <message>
        <source>Return Boo&amp;k...</source>
        <translation>Restit&amp;uisci...</translation>
    </message>
    <message>
        <source>Start Rea&amp;ding</source>
        <translation>I&amp;nizia lettura</translation>
    </message>
    <message>
        <source>Log that you began reading the selected books today
Start Reading</source>
        <translation>Registra che oggi hai iniziato a leggere i libri selezionati
Inizia lettura</translation>
    </message>
    <message>
        <source>F&amp;inished Reading</source>
        <translation>Lettura &amp;finita</translation>
    </message>
    <message>
        <source>Log that you finished reading the selected books today
Finished Reading</source>
        <translation>Registra che oggi hai finito di leggere i libri selezionati
Lettura finita</translation>
    </message>
    <message>
        <source>Series &amp;Columns</source>
        <translation>&amp;Colonne della serie</translation>
    </message>
    <message>
        <source>Show or hide the series and the number in it in the book list
Series Columns</source>
        <translation>Mostra o nasconde nell&apos;elenco dei libri la serie e il numero del libro nella serie
Colonne della serie</translation>
    </message>
    <message>
        <source>S&amp;ort by Series</source>
        <translation>&amp;Ordina per serie</translation>
    </message>
    <message>
        <source>List the books by series, then by their number in it
Sort by Series</source>
        <translation>Elenca i libri per serie, poi per il loro numero nella serie
Ordina per serie</translation>
    </message>
    <message>
        <source>&amp;Filter List</source>
        <translation>Filtra &amp;elenco</translation>
    </message>
    <message>
        <source>Show only the books of the list that hold the words you type
Filter List</source>
        <translation>Mostra solo i libri dell&apos;elenco che contengono le parole digitate
Filtra elenco</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>Count the books, authors and prices and chart them by category, author, year and more
Statistics</source>
        <translation>Conta libri, autori e prezzi e ne traccia i grafici per categoria, autore, anno e altro
Statistiche</translation>
    </message>
    <message>
        <source>Open Server Ca&amp;talogue...</source>
        <translation>Apri catalogo sul ser&amp;ver...</translation>
    </message>
    <message>
        <source>Open a catalogue kept on a PostgreSQL server
Open Server Catalogue</source>
        <translation>Apre un catalogo conservato su un server PostgreSQL
Apri catalogo sul server</translation>
    </message>
    <message>
        <source>Ne&amp;w Server Catalogue...</source>
        <translation>Nuovo catalogo sul serve&amp;r...</translation>
    </message>
    <message>
        <source>Make a catalogue in an empty database on a PostgreSQL server
New Server Catalogue</source>
        <translation>Crea un catalogo in un database vuoto su un server PostgreSQL
Nuovo catalogo sul server</translation>
    </message>
    <message>
        <source>&amp;Reconnect</source>
        <translation>Riconne&amp;tti</translation>
    </message>
    <message>
        <source>Connect again to the server whose connection was lost
Reconnect</source>
        <translation>Si collega di nuovo al server di cui si è persa la connessione
Riconnetti</translation>
    </message>
    <message>
        <source>Cop&amp;y Catalogue to Server...</source>
        <translation>Copia catalo&amp;go sul server...</translation>
    </message>
    <message>
        <source>Copy the open catalogue file into a new catalogue on a PostgreSQL server
Copy Catalogue to Server</source>
        <translation>Copia il file del catalogo aperto in un nuovo catalogo su un server PostgreSQL
Copia catalogo sul server</translation>
    </message>
    <message>
        <source>Save &amp;Local Copy...</source>
        <translation>Salva copia &amp;locale...</translation>
    </message>
    <message>
        <source>Copy the server catalogue into a catalogue file on this computer
Save Local Copy</source>
        <translation>Copia il catalogo del server in un file di catalogo su questo computer
Salva copia locale</translation>
    </message>
</context>
<context>
    <name>COnlineQueryResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>Selezionare una delle voci seguenti:</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Books found</source>
        <translation>Libri trovati</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>I seguenti valori predefiniti verranno usati quando si aggiungono nuovi libri.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>Alle&amp;gati:</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>&amp;Collocazione:</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>Testo utente &amp;1:</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>Testo utente &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>&amp;Data di acquisto:</translation>
    </message>
    <message>
        <source>Clear for no purchase date</source>
        <translation>Deselezionare per non impostare una data di acquisto</translation>
    </message>
    <message>
        <source>Each new book gets the day it is added</source>
        <translation>A ogni nuovo libro viene assegnata la data del giorno in cui viene aggiunto</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Ogg&amp;i</translation>
    </message>
    <message>
        <source>I only have &amp;eBook:</source>
        <translation>Ho solo l&apos;&amp;eBook:</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>St&amp;ato:</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>&amp;Negozio:</translation>
    </message>
    <message>
        <source>&amp;Default Values</source>
        <translation>&amp;Valori predefiniti</translation>
    </message>
    <message>
        <source>Da&amp;ys until a loan is due:</source>
        <translation>Gio&amp;rni di prestito:</translation>
    </message>
    <message>
        <source>No due date</source>
        <translation>Nessuna scadenza</translation>
    </message>
</context>
<context>
    <name>COptionsOnlinePage</name>
    <message>
        <source>(optional)</source>
        <translation>(facoltativa)</translation>
    </message>
    <message>
        <source>Contact &amp;e-mail:</source>
        <translation>&amp;E-mail di contatto:</translation>
    </message>
    <message>
        <source>Sent with every request, so that a service can reach you instead of blocking the program.</source>
        <translation>Viene inviata con ogni richiesta, così che il servizio possa contattare l&apos;utente invece di bloccare il programma.</translation>
    </message>
    <message>
        <source>Store &amp;ISBNs as:</source>
        <extracomment>The verb: how ISBNs are written into the catalogue (ISBN-10, ISBN-13). Not the shop of the Store field.</extracomment>
        <translation>Memorizza gli &amp;ISBN come:</translation>
    </message>
    <message>
        <source>When the chosen source does not know an ISBN, &amp;ask these sources too:</source>
        <translation>Se la fonte scelta non conosce un ISBN, chiedi anche a &amp;queste fonti:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Prova la connessione</translation>
    </message>
    <message>
        <source>ISBN-10 where there is one</source>
        <translation>ISBN-10 quando esiste</translation>
    </message>
    <message>
        <source>ISBN-13</source>
        <translation>ISBN-13</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Come inserito</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Richiesta a %1...</translation>
    </message>
    <message>
        <source>%1 answered in %2 ms.</source>
        <translation>%1 ha risposto in %2 ms.</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>La prova è stata annullata.</translation>
    </message>
    <message>
        <source>Service addresses</source>
        <translation>Indirizzi dei servizi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Torna a %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address Ordoteca can use for %2.
Please enter an address that starts with http:// or https://, for example %3.</source>
        <translation>&quot;%1&quot; non è un indirizzo web che Ordoteca possa usare per %2.
Inserire un indirizzo che inizi con http:// o https://, per esempio %3.</translation>
    </message>
    <message>
        <source>&amp;Look books up at:</source>
        <translation>&amp;Cerca i libri su:</translation>
    </message>
    <message>
        <source>Google Books API &amp;key:</source>
        <translation>Chiave &amp;API di Google Books:</translation>
    </message>
    <message>
        <source>O&amp;nline</source>
        <translation>&amp;Online</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>&amp;Interface Language:</source>
        <translation>&amp;Lingua dell&apos;interfaccia:</translation>
    </message>
    <message>
        <source>(Restart of Ordoteca is needed.)</source>
        <translation>(È necessario riavviare Ordoteca.)</translation>
    </message>
    <message>
        <source>&amp;User Interface</source>
        <translation>Interfaccia &amp;utente</translation>
    </message>
</context>
<context>
    <name>COrdoApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Apri database</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>Nuovo database</translation>
    </message>
    <message>
        <source>Save Local Copy</source>
        <translation>Salva copia locale</translation>
    </message>
</context>
<context>
    <name>COrdoDoc</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 non è stato trovato.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Accesso a %1 negato.</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue.</source>
        <translation>%1 non è un catalogo di Ordoteca.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) left behind by books or categories deleted outside Ordoteca.</source>
        <translation>
            <numerusform>Rimossa %n riga lasciata da libri o categorie eliminati fuori da Ordoteca.</numerusform>
            <numerusform>Rimosse %n righe lasciate da libri o categorie eliminati fuori da Ordoteca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoHtmlView</name>
    <message>
        <source>Save As XML</source>
        <translation>Salva come XML</translation>
    </message>
    <message>
        <source>Save As HTML</source>
        <translation>Salva come HTML</translation>
    </message>
    <message numerus="yes">
        <source>Show the next %n books</source>
        <translation>
            <numerusform>Mostra %n altro libro</numerusform>
            <numerusform>Mostra altri %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show all %n books</source>
        <translation>
            <numerusform>Mostra tutti i libri (%n)</numerusform>
            <numerusform>Mostra tutti i %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Preparing %n books...</source>
        <translation>
            <numerusform>Preparazione di %n libro...</numerusform>
            <numerusform>Preparazione di %n libri...</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>COrdoListView</name>
    <message>
        <source>Are you sure you want to permanently delete the selected book(s)?</source>
        <translation>Eliminare definitivamente i libri selezionati?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected book(s) from this category?</source>
        <translation>Rimuovere i libri selezionati da questa categoria?</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edizione</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1</source>
        <extracomment>%1 is the number of selected books, &quot;%n selected&quot;.</extracomment>
        <translation>
            <numerusform>%n libro; %1</numerusform>
            <numerusform>%n libri; %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selezionato</numerusform>
            <numerusform>%n selezionati</numerusform>
        </translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>Data di aggiunta</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>In ritardo</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The number of a book within its series, as a short column heading.</extracomment>
        <translation>N.</translation>
    </message>
</context>
<context>
    <name>COrdoTreeView</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Data e ora non valide</translation>
    </message>
    <message>
        <source>All Books</source>
        <translation>Tutti i libri</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this category?
Note: this will delete all books and subcategories in this category.</source>
        <translation>Eliminare questa categoria?
Nota: verranno eliminati tutti i libri e le sottocategorie di questa categoria.</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <translation>Impossibile incollare: la categoria di origine non esiste.</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <translation>Impossibile incollare: la destinazione non può essere la categoria di origine stessa, la sua categoria superiore o le sue sottocategorie.</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>On Loan</source>
        <translation>In prestito</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Preso in prestito</translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossibile stampare la pagina.</translation>
    </message>
    <message>
        <source>Preparing the print preview...</source>
        <translation>Preparazione dell&apos;anteprima di stampa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The page could not be rendered for printing.</source>
        <translation>Impossibile preparare la pagina per la stampa.</translation>
    </message>
</context>
<context>
    <name>CPasswordDialog</name>
    <message>
        <source>Server Password</source>
        <translation>Password del server</translation>
    </message>
    <message>
        <source>The password for %1:</source>
        <translation>La password per %1:</translation>
    </message>
    <message>
        <source>The password of %1 for %2:</source>
        <translation>La password di %1 per %2:</translation>
    </message>
    <message>
        <source>&amp;Remember in the desktop&apos;s keyring</source>
        <translation>&amp;Ricorda nel portachiavi del desktop</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Imposta&amp;zione pagina...</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Adatta alla &amp;larghezza</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Printed pages</source>
        <translation>Pagine stampate</translation>
    </message>
    <message>
        <source>Zoom In (%1)</source>
        <translation>Ingrandisci (%1)</translation>
    </message>
    <message>
        <source>Zoom Out (%1)</source>
        <translation>Riduci (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Page %1 of %n</source>
        <translation>
            <numerusform>Pagina %1 di %n</numerusform>
            <numerusform>Pagina %1 di %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReadingLogTable</name>
    <message>
        <source>Add Reading</source>
        <translation>Aggiungi lettura</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>Rimuovi lettura</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniziata</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finita</translation>
    </message>
    <message>
        <source>Read to the End</source>
        <translation>Letto fino in fondo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Letture</translation>
    </message>
</context>
<context>
    <name>CReturnDlg</name>
    <message>
        <source>Return</source>
        <translation>Restituisci</translation>
    </message>
    <message>
        <source>&amp;Return date:</source>
        <translation>Data di &amp;restituzione:</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) on loan will be marked as returned.</source>
        <translation>
            <numerusform>%n libro in prestito sarà segnato come restituito.</numerusform>
            <numerusform>%n libri in prestito saranno segnati come restituiti.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CServerDialog</name>
    <message>
        <source>Open Server Catalogue</source>
        <translation>Apri catalogo sul server</translation>
    </message>
    <message>
        <source>New Server Catalogue</source>
        <translation>Nuovo catalogo sul server</translation>
    </message>
    <message>
        <source>Where is the catalogue? Ask the server&apos;s administrator for these values.</source>
        <translation>Dove si trova il catalogo? Chiedi questi valori all&apos;amministratore del server.</translation>
    </message>
    <message>
        <source>Where is the catalogue to be made? The database (or its schema) must exist and be empty.</source>
        <translation>Dove va creato il catalogo? Il database (o il suo schema) deve esistere ed essere vuoto.</translation>
    </message>
    <message>
        <source>public</source>
        <translation>public</translation>
    </message>
    <message>
        <source>Never (disable)</source>
        <translation>Mai (disable)</translation>
    </message>
    <message>
        <source>When the server offers it (prefer)</source>
        <translation>Quando il server la offre (prefer)</translation>
    </message>
    <message>
        <source>Always (require)</source>
        <translation>Sempre (require)</translation>
    </message>
    <message>
        <source>Always, checking the server&apos;s certificate (verify-full)</source>
        <translation>Sempre, verificando il certificato del server (verify-full)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Database:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>&amp;Schema:</source>
        <translation>&amp;Schema:</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>&amp;Cifratura:</translation>
    </message>
    <message>
        <source>Enter the name or address of the server.</source>
        <translation>Inserisci il nome o l&apos;indirizzo del server.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>Enter the name of the database.</source>
        <translation>Inserisci il nome del database.</translation>
    </message>
</context>
<context>
    <name>CSqlRunProgress</name>
    <message>
        <source>Running the SQL statement...</source>
        <translation>Esecuzione dell&apos;istruzione SQL...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arresto in corso...</translation>
    </message>
</context>
<context>
    <name>CStatisticsWindow</name>
    <message>
        <source>Working…</source>
        <translation>Conteggio in corso…</translation>
    </message>
    <message>
        <source>The numbers could not be counted: %1</source>
        <translation>Impossibile contare: %1</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>nessuno indicato</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>&amp;Quali libri:</translation>
    </message>
    <message>
        <source>Whole catalogue</source>
        <translation>Tutto il catalogo</translation>
    </message>
    <message>
        <source>Current category and its sub-categories</source>
        <translation>Categoria corrente e sue sottocategorie</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; and its sub-categories</source>
        <translation>Categoria «%1» e sue sottocategorie</translation>
    </message>
    <message>
        <source>Selected books</source>
        <translation>Libri selezionati</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Books:</source>
        <translation>Libri:</translation>
    </message>
    <message>
        <source>Authors:</source>
        <translation>Autori:</translation>
    </message>
    <message>
        <source>Publishers:</source>
        <translation>Editori:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>Value by purchase price:</source>
        <translation>Valore a prezzo pagato:</translation>
    </message>
    <message>
        <source>Value by list price:</source>
        <translation>Valore a prezzo di copertina:</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>&amp;Salva grafico...</translation>
    </message>
    <message>
        <source>&amp;Print Chart...</source>
        <translation>Stam&amp;pa grafico...</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Autori</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Editori</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>Rilegature</translation>
    </message>
    <message>
        <source>Release Decades</source>
        <translation>Decenni di pubblicazione</translation>
    </message>
    <message>
        <source>Added per Year</source>
        <translation>Aggiunti per anno</translation>
    </message>
    <message>
        <source>Read per Month</source>
        <translation>Letti per mese</translation>
    </message>
    <message>
        <source>Read per Year</source>
        <translation>Letti per anno</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Prestiti</translation>
    </message>
    <message>
        <source>Books per category (the %1 largest)</source>
        <translation>Libri per categoria (le %1 più grandi)</translation>
    </message>
    <message>
        <source>Books per category</source>
        <translation>Libri per categoria</translation>
    </message>
    <message>
        <source>The %1 authors with the most books</source>
        <translation>I %1 autori con più libri</translation>
    </message>
    <message>
        <source>The %1 publishers with the most books</source>
        <translation>I %1 editori con più libri</translation>
    </message>
    <message>
        <source>Books per language</source>
        <translation>Libri per lingua</translation>
    </message>
    <message>
        <source>Books per binding</source>
        <translation>Libri per rilegatura</translation>
    </message>
    <message>
        <source>Books per decade of release</source>
        <translation>Libri per decennio di pubblicazione</translation>
    </message>
    <message>
        <source>Books added to the catalogue per year</source>
        <translation>Libri aggiunti al catalogo per anno</translation>
    </message>
    <message>
        <source>Books finished per month</source>
        <translation>Libri finiti per mese</translation>
    </message>
    <message>
        <source>Books finished per month (the last %1 months)</source>
        <translation>Libri finiti per mese (ultimi %1 mesi)</translation>
    </message>
    <message>
        <source>Books finished per year</source>
        <translation>Libri finiti per anno</translation>
    </message>
    <message>
        <source>Loans per borrower</source>
        <translation>Prestiti per persona</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>Non indicato</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>decade: 1990s</comment>
        <translation>anni %1</translation>
    </message>
    <message>
        <source>Nothing to show for these books</source>
        <translation>Niente da mostrare per questi libri</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Salva grafico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Immagine PNG (*.png);;Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Impossibile salvare il grafico come %1.</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Stampa grafico</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Impossibile stampare il grafico.</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>Importing books...</source>
        <translation>Importazione dei libri...</translation>
    </message>
    <message>
        <source>Export Catalogue</source>
        <translation>Esporta catalogo</translation>
    </message>
    <message>
        <source>Exporting books...</source>
        <translation>Esportazione dei libri...</translation>
    </message>
    <message>
        <source>The report was shortened. Save the whole report to a text file?</source>
        <translation>Il resoconto è stato accorciato. Salvare il resoconto completo in un file di testo?</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Impossibile salvare il resoconto in %1: %2</translation>
    </message>
</context>
<context>
    <name>CUrlLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento ipertestuale:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Impossibile trovare il percorso specificato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome di file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso altre
transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione del nome di file.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Impossibile trovare la libreria a collegamento dinamico specificata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>A catalogue holds your books and their categories in one file. Create a new one, or open one you already have.</source>
        <translation>Un catalogo contiene i libri e le loro categorie in un unico file. Crearne uno nuovo o aprirne uno esistente.</translation>
    </message>
    <message>
        <source>Create a new catalogue...</source>
        <translation>Crea un nuovo catalogo...</translation>
    </message>
    <message>
        <source>Open a catalogue...</source>
        <translation>Apri un catalogo...</translation>
    </message>
    <message>
        <source>Welcome to Ordoteca</source>
        <translation>Benvenuti in Ordoteca</translation>
    </message>
</context>
<context>
    <name>CZipReader</name>
    <message>
        <source>The archive cannot be read: %1.</source>
        <translation>Impossibile leggere l&apos;archivio: %1.</translation>
    </message>
    <message>
        <source>The archive holds no %1.</source>
        <translation>L&apos;archivio non contiene %1.</translation>
    </message>
    <message>
        <source>%1 in the archive is too large.</source>
        <translation>%1 nell&apos;archivio è troppo grande.</translation>
    </message>
    <message>
        <source>%1 in the archive cannot be read: %2.</source>
        <translation>Impossibile leggere %1 nell&apos;archivio: %2.</translation>
    </message>
    <message>
        <source>%1 in the archive is damaged.</source>
        <translation>%1 nell&apos;archivio è danneggiato.</translation>
    </message>
</context>
<context>
    <name>CZipWriter</name>
    <message>
        <source>The archive cannot be read back.</source>
        <translation>Impossibile rileggere l&apos;archivio.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>No new number is free: the highest one is already in use.</source>
        <translation>Non ci sono numeri liberi: il numero più alto è già in uso.</translation>
    </message>
</context>
<context>
    <name>CatalogueCopy</name>
    <message>
        <source>Nothing to copy from or to.</source>
        <translation>Non c&apos;è nulla da cui o in cui copiare.</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was kept.</source>
        <translation>La copia è stata annullata; non è stato conservato nulla.</translation>
    </message>
    <message>
        <source>The table %1 has no place in the copy and was left out.</source>
        <translation>La tabella %1 non ha posto nella copia ed è stata tralasciata.</translation>
    </message>
    <message>
        <source>The column %1.%2 has no place in the copy and was left out.</source>
        <translation>La colonna %1.%2 non ha posto nella copia ed è stata tralasciata.</translation>
    </message>
    <message>
        <source>%1 %2: &quot;%3&quot; in %4 is not a number and was left empty.</source>
        <translation>%1 %2: &quot;%3&quot; in %4 non è un numero ed è stato lasciato vuoto.</translation>
    </message>
    <message>
        <source>The cover picture %1 is missing from %2 and was not copied.</source>
        <translation>L&apos;immagine di copertina %1 manca da %2 e non è stata copiata.</translation>
    </message>
    <message>
        <source>The picture name %1 cannot be a file name and was not copied.</source>
        <translation>Il nome d&apos;immagine %1 non può essere un nome di file e non è stato copiato.</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>Impossibile scrivere l&apos;immagine %1.</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Unable to read the picture %1.</source>
        <translation>Impossibile leggere l&apos;immagine %1.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue: the file is not a database.</source>
        <translation>%1 non è un catalogo di Ordoteca: il file non è un database.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it there and try again.</source>
        <translation>%1 è in uso da parte di un altro programma. Chiuderlo in quel programma e riprovare.</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet.</source>
        <translation>%1 non contiene ancora un catalogo di Ordoteca.</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by a newer version of Ordoteca. Update the program to open it; nothing was changed.</source>
        <translation>Il catalogo %1 è stato creato da una versione più recente di Ordoteca. Aggiorna il programma per aprirlo; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 already holds a catalogue; nothing was changed.</source>
        <translation>%1 contiene già un catalogo; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The server asks for a password.</source>
        <translation>Il server chiede una password.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Il server ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>No encrypted (TLS) connection could be made, and the chosen TLS mode requires one.</source>
        <translation>Non è stato possibile stabilire una connessione cifrata (TLS), e la modalità TLS scelta la richiede.</translation>
    </message>
    <message>
        <source>The server does not answer. Check that it is running and that the host and port are right.</source>
        <translation>Il server non risponde. Controlla che sia in funzione e che host e porta siano giusti.</translation>
    </message>
    <message>
        <source>The server has no such database or user.</source>
        <translation>Il server non ha questo database o questo utente.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Il server ha rifiutato la connessione.</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Nothing was changed by this step; try again once the server is back.</source>
        <translation>La connessione al server si è interrotta. Questo passo non ha modificato nulla; riprova quando il server sarà di nuovo raggiungibile.</translation>
    </message>
    <message>
        <source>You have no right to do this on the server: %1</source>
        <translation>Non hai il diritto di farlo sul server: %1</translation>
    </message>
    <message>
        <source>%1 has no meaning on a server catalogue.</source>
        <translation>%1 non ha significato per un catalogo sul server.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>My Books</source>
        <translation>I miei libri</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Impossibile scrivere il file: %1.</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <translation>Impossibile aprire il file in scrittura.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitolo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edizione</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Data di pubblicazione</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Rilegatura</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>Purchase date</source>
        <translation>Data di acquisto</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Negozio</translation>
    </message>
    <message>
        <source>Purchase price</source>
        <translation>Prezzo pagato</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>Prezzo di copertina</translation>
    </message>
    <message>
        <source>Online price</source>
        <translation>Prezzo online</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Collocazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Pagina corrente</translation>
    </message>
    <message>
        <source>Average rating</source>
        <translation>Valutazione media</translation>
    </message>
    <message>
        <source>Number of reviews</source>
        <translation>Numero di recensioni</translation>
    </message>
    <message>
        <source>My rating</source>
        <translation>La mia valutazione</translation>
    </message>
    <message>
        <source>User text 1</source>
        <translation>Testo utente 1</translation>
    </message>
    <message>
        <source>User text 2</source>
        <translation>Testo utente 2</translation>
    </message>
    <message>
        <source>E-book only</source>
        <translation>Solo eBook</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Book size</source>
        <translation>Dimensione eBook</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Categories (shelves, groups)</source>
        <translation>Categorie (scaffali, gruppi)</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Collegamenti</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Copertina anteriore</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>Copertina posteriore</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(non importato)</translation>
    </message>
    <message>
        <source>Delimited text (CSV/TSV)</source>
        <translation>Testo delimitato (CSV/TSV)</translation>
    </message>
    <message>
        <source>Goodreads export</source>
        <translation>Esportazione di Goodreads</translation>
    </message>
    <message>
        <source>LibraryThing export</source>
        <translation>Esportazione di LibraryThing</translation>
    </message>
    <message>
        <source>Tellico collection (.tc)</source>
        <translation>Raccolta Tellico (.tc)</translation>
    </message>
    <message>
        <source>Tellico XML</source>
        <translation>XML di Tellico</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <source>The collection is not well-formed XML (line %1: %2).</source>
        <translation>La raccolta non è un XML ben formato (riga %1: %2).</translation>
    </message>
    <message>
        <source>The file is not a Tellico collection.</source>
        <translation>Il file non è una raccolta Tellico.</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 was not found.</source>
        <translation>%1: l&apos;immagine di copertina %2 non è stata trovata.</translation>
    </message>
    <message>
        <source>The import was cancelled; the catalogue is unchanged.</source>
        <translation>L&apos;importazione è stata annullata; il catalogo non è stato modificato.</translation>
    </message>
    <message>
        <source>The import failed; the catalogue is unchanged.</source>
        <translation>L&apos;importazione non è riuscita; il catalogo non è stato modificato.</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Aggiunti: %1</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Aggiornati: %1</translation>
    </message>
    <message>
        <source>Skipped as duplicates: %1</source>
        <translation>Saltati perché duplicati: %1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rifiutati: %1</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... e altri %1</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>Voce %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>The row has neither a title nor an ISBN.</source>
        <translation>La riga non ha né un titolo né un ISBN.</translation>
    </message>
    <message>
        <source>The file is neither delimited text nor a Tellico collection.</source>
        <translation>Il file non è né testo delimitato né una raccolta Tellico.</translation>
    </message>
    <message>
        <source>The file holds no books: it needs a header row and at least one row of data.</source>
        <translation>Il file non contiene libri: servono una riga di intestazione e almeno una riga di dati.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>The file is too large to import (%1 MB; at most %2 MB).</source>
        <translation>Il file è troppo grande per essere importato (%1 MB; massimo %2 MB).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>It is not a Tellico collection.</source>
        <translation>Non è una raccolta Tellico.</translation>
    </message>
    <message>
        <source>The collection holds no books.</source>
        <translation>La raccolta non contiene libri.</translation>
    </message>
    <message>
        <source>The archive cannot be read.</source>
        <translation>Impossibile leggere l&apos;archivio.</translation>
    </message>
    <message>
        <source>Values repaired or left out: %1</source>
        <translation>Valori corretti o tralasciati: %1</translation>
    </message>
    <message>
        <source>Covers: %1</source>
        <translation>Copertine: %1</translation>
    </message>
    <message>
        <source>%1: text that was not UTF-8 read as Windows-1252.</source>
        <translation>%1: testo non UTF-8 letto come Windows-1252.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid ISBN; kept in the notes.</source>
        <translation>%1: &quot;%2&quot; non è un ISBN valido; conservato nelle note.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; had lost its leading zero; stored as %3.</source>
        <translation>%1: &quot;%2&quot; aveva perso lo zero iniziale; salvato come %3.</translation>
    </message>
    <message>
        <source>ISBN in the imported file: %1</source>
        <translation>ISBN nel file importato: %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; left empty.</source>
        <translation>%1: &quot;%2&quot; non è un numero; lasciato vuoto.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; read as %3.</source>
        <translation>%1: &quot;%2&quot; letto come %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a rating; left empty.</source>
        <translation>%1: &quot;%2&quot; non è una valutazione; lasciato vuoto.</translation>
    </message>
    <message>
        <source>Date added</source>
        <translation>Data di aggiunta</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header row has %3</source>
        <translation>La riga %1 ha %2 campi mentre la riga di intestazione ne ha %3</translation>
    </message>
    <message>
        <source>Most rows disagree with the header: the file is damaged or not delimited the same way throughout.</source>
        <translation>La maggior parte delle righe non corrisponde all&apos;intestazione: il file è danneggiato o non è delimitato sempre allo stesso modo.</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>Riga %1, %2</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is larger than %3; it was left out.</source>
        <translation>%1: l&apos;immagine di copertina %2 è più grande di %3; è stata tralasciata.</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 could not be read.</source>
        <translation>%1: impossibile leggere l&apos;immagine di copertina %2.</translation>
    </message>
    <message>
        <source>%1: %2 is not a picture; it was left out.</source>
        <translation>%1: %2 non è un&apos;immagine; è stata tralasciata.</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is too large or has too many frames to be shown; it was left out.</source>
        <translation>%1: l&apos;immagine di copertina %2 è troppo grande o ha troppi fotogrammi per essere mostrata; è stata tralasciata.</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is not in the folder of the imported file; it was left out.</source>
        <translation>%1: l&apos;immagine di copertina %2 non si trova nella cartella del file importato; è stata tralasciata.</translation>
    </message>
    <message>
        <source>The cover pictures of this file take %1, more than the disk of the images folder can spare (%2, half of its free space).</source>
        <translation>Le immagini di copertina di questo file occupano %1, più di quanto il disco della cartella delle immagini possa concedere (%2, metà dello spazio libero).</translation>
    </message>
    <message>
        <source>Nothing can be written to the images folder %1.</source>
        <translation>Impossibile scrivere nella cartella delle immagini %1.</translation>
    </message>
    <message>
        <source>The cover picture %1 could not be written.</source>
        <translation>Impossibile scrivere l&apos;immagine di copertina %1.</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prestato a</translation>
    </message>
    <message>
        <source>Loan date</source>
        <translation>Data del prestito</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>Da restituire entro</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Number in series</source>
        <translation>Numero nella serie</translation>
    </message>
    <message>
        <source>Readings (days finished)</source>
        <translation>Letture (giorni di fine)</translation>
    </message>
    <message>
        <source>Date started</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>Times read</source>
        <translation>Volte letto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date; kept as the reading&apos;s note.</source>
        <translation>&quot;%1&quot; non è una data; conservato come nota della lettura.</translation>
    </message>
    <message>
        <source>Also in the series: %1</source>
        <translation>Anche nella serie: %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of readings; left out.</source>
        <translation>%1: &quot;%2&quot; non è un numero di letture; tralasciato.</translation>
    </message>
</context>
<context>
    <name>LanguageTable</name>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>LinkOpenRule</name>
    <message>
        <source>This link is not a web or mail address:
%1

Open it with the program your desktop chooses for it?</source>
        <translation>Questo collegamento non è un indirizzo web o di posta:
%1

Aprirlo con il programma scelto dal desktop?</translation>
    </message>
</context>
<context>
    <name>LookupSources</name>
    <message>
        <source>Bookstore service</source>
        <translation>Servizio della libreria</translation>
    </message>
    <message>
        <source>Bookstore web service:</source>
        <translation>Servizio web della libreria:</translation>
    </message>
    <message>
        <source>Bookstore product pages:</source>
        <translation>Pagine prodotto della libreria:</translation>
    </message>
    <message>
        <source>Google Books</source>
        <translation>Google Books</translation>
    </message>
    <message>
        <source>Google Books:</source>
        <translation>Google Books:</translation>
    </message>
    <message>
        <source>Library of Congress</source>
        <translation>Biblioteca del Congresso</translation>
    </message>
    <message>
        <source>Library of Congress (SRU):</source>
        <translation>Biblioteca del Congresso (SRU):</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>Open Library</translation>
    </message>
    <message>
        <source>Open Library:</source>
        <translation>Open Library:</translation>
    </message>
    <message>
        <source>Open Library covers:</source>
        <translation>Copertine di Open Library:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>The SQL text holds no statement.</source>
        <translation>Il testo SQL non contiene alcuna istruzione.</translation>
    </message>
    <message>
        <source>Only one SQL statement can be run at a time.</source>
        <translation>Si può eseguire una sola istruzione SQL alla volta.</translation>
    </message>
</context>
<context>
    <name>SaveConflict</name>
    <message>
        <source>Someone else</source>
        <translation>Qualcun altro</translation>
    </message>
    <message>
        <source>%1 deleted this book at %2 while you were editing it.</source>
        <translation>%1 ha eliminato questo libro alle %2 mentre lo stavi modificando.</translation>
    </message>
    <message>
        <source>%1 changed this book at %2 after you opened it.</source>
        <translation>%1 ha modificato questo libro alle %2 dopo che lo hai aperto.</translation>
    </message>
    <message>
        <source>Save as &amp;New Book</source>
        <translation>Salva come &amp;nuovo libro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>S&amp;ovrascrivi</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>Discard your changes and show the book as %1 saved it?</source>
        <translation>Scartare le tue modifiche e mostrare il libro come lo ha salvato %1?</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 is not a server catalogue address (postgresql://user@host:port/database).</source>
        <translation>%1 non è l&apos;indirizzo di un catalogo sul server (postgresql://utente@host:porta/database).</translation>
    </message>
    <message>
        <source>%1 is not a valid address: %2</source>
        <translation>%1 non è un indirizzo valido: %2</translation>
    </message>
    <message>
        <source>Addresses of server catalogues never hold a password; remove it from %1.</source>
        <translation>Gli indirizzi dei cataloghi sul server non contengono mai una password; toglila da %1.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no database.</source>
        <translation>L&apos;indirizzo %1 non indica alcun database.</translation>
    </message>
    <message>
        <source>Unknown TLS mode &quot;%1&quot;; use disable, prefer, require or verify-full.</source>
        <translation>Modalità TLS &quot;%1&quot; sconosciuta; usa disable, prefer, require o verify-full.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
</context>
<context>
    <name>ServerOpen</name>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Il server ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet. Create one there?</source>
        <translation>%1 non contiene ancora un catalogo di Ordoteca. Crearne uno lì?</translation>
    </message>
</context>
<context>
    <name>SqlConsole</name>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>L&apos;istruzione SQL non può essere vuota.</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <translation>Record interessati: %1
Numero di record nel recordset restituito: %2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <extracomment>The interface language, as listed in Options.</extracomment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>Impossibile aprire il file in scrittura.</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>Impossibile creare un DOM XML/XSL.</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>Impossibile caricare l&apos;XML.</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>Impossibile caricare l&apos;XSL.</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>Operazione non riuscita. Verificare che il seguente sia un percorso valido:
%s</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>Impossibile creare la cartella:
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <comment>142</comment>
        <translation>Impossibile scaricare l&apos;immagine di copertina.</translation>
    </message>
    <message>
        <source>Failed to load book info from Amazon.com.</source>
        <comment>143</comment>
        <translation>Impossibile caricare le informazioni sul libro da Amazon.com.</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <comment>144</comment>
        <translation>Messaggio di errore restituito da Amazon:
%s</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <comment>145</comment>
        <translation>Impossibile scaricare la pagina HTML.</translation>
    </message>
    <message>
        <source>No valid ISBN found.</source>
        <comment>147</comment>
        <translation>Nessun ISBN valido trovato.</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <comment>148</comment>
        <translation>Inserire almeno uno dei seguenti: titolo, autore o editore.</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <comment>149</comment>
        <translation>Impossibile aprire il file in lettura.</translation>
    </message>
    <message>
        <source>%s is not a valid ISBN. Ignore this one?</source>
        <comment>150</comment>
        <translation>%s non è un ISBN valido. Ignorarlo?</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <comment>151</comment>
        <translation>Niente da salvare.</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <comment>152</comment>
        <translation>Il file è stato salvato.</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <comment>153</comment>
        <translation>Si è verificato un errore grave. L&apos;operazione verrà annullata.</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <comment>154</comment>
        <translation>La coda delle ricerche è vuota.</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>Il titolo del libro non può essere vuoto.</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>Selezionare un elemento dall&apos;elenco.</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>L&apos;URL non è valido.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <comment>161</comment>
        <translation>Nessun risultato valido trovato.
Nota: gli eBook vengono ignorati.</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>Il nome della categoria non può essere vuoto.</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>Impossibile creare il file:
%s</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>Il titolo e il percorso del collegamento non possono essere vuoti.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment>169</comment>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <comment>170</comment>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <comment>171</comment>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment>172</comment>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>Aggiungi nuova categoria</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>Modifica categoria</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>Aggiungi libro</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>Modifica libro</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>Aggiungi collegamento</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>Modifica collegamento</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <comment>183</comment>
        <translation>Caricamento dell&apos;XML da %s...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <comment>184</comment>
        <translation>Analisi dell&apos;HTML...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <comment>185</comment>
        <translation>Download della copertina...</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation>Editore</translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation>Edizione</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>Selezionare una cartella dall&apos;elenco:</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>Cartella eBook</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>Cartella del codice sorgente</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>File eBook</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>Sito web dell&apos;autore</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>Questo libro sul sito web dell&apos;editore</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <comment>198</comment>
        <translation>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Benvenuti in Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Ordoteca Book Information</source>
        <comment>201</comment>
        <translation>Ordoteca - Informazioni sul libro</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>Impossibile copiare l&apos;immagine di copertina nella seguente posizione:
%s</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <comment>205</comment>
        <translation>File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||</source>
        <comment>206</comment>
        <translation>Tutte le immagini (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|File JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|File GIF (*.gif)|*.gif|Bitmap di Windows (*.bmp)|*.bmp|File PNG (*.png)|*.png|Tutti i file (*)|*||</translation>
    </message>
    <message>
        <source>Ordoteca Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Database di Ordoteca (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>File HTML (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>File XML (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>Tutti i file (*.*)|*.*|File della Guida HTML compilata (*.chm)|*.chm|File PDF di Acrobat (*.pdf)|*.pdf|File compressi (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>Copertina rigida</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>Brossura</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>Rilegatura sconosciuta</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <extracomment>A medium that comes with the book (lookup value of &quot;Extras&quot;).</extracomment>
        <translation>Dischetto</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <extracomment>The top category of the tree: the whole collection.</extracomment>
        <translation>Collezione di libri</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <extracomment>Book status: the book is in the owner&apos;s collection.</extracomment>
        <translation>In collezione</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <extracomment>Book status: the owner wants the book.</extracomment>
        <translation>Lista dei desideri</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <extracomment>Book status: the book is only consulted, not owned.</extracomment>
        <translation>Solo consultazione</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <extracomment>Book status: the owner sells the book.</extracomment>
        <translation>In vendita</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>Risultati della ricerca</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>Elenco di lettura</translation>
    </message>
    <message>
        <source>Loading book information from %s...</source>
        <comment>227</comment>
        <translation>Caricamento delle informazioni sul libro da %s...</translation>
    </message>
    <message>
        <source>No book with ISBN %s was found at %s.</source>
        <comment>228</comment>
        <translation>Nessun libro con ISBN %s trovato su %s.</translation>
    </message>
    <message>
        <source>Failed to load book info from %s.</source>
        <comment>229</comment>
        <translation>Impossibile caricare le informazioni sul libro da %s.</translation>
    </message>
    <message>
        <source>Error message returned from %s:
%s</source>
        <comment>230</comment>
        <translation>Messaggio di errore restituito da %s:
%s</translation>
    </message>
    <message>
        <source>Underline
Underline</source>
        <comment>32788</comment>
        <translation>Sottolineato
Sottolineato</translation>
    </message>
    <message>
        <source>Italic
Italic</source>
        <comment>32789</comment>
        <translation>Corsivo
Corsivo</translation>
    </message>
    <message>
        <source>Bold
Bold</source>
        <comment>32790</comment>
        <translation>Grassetto
Grassetto</translation>
    </message>
    <message>
        <source>Left Justify
Left Justify</source>
        <comment>32791</comment>
        <translation>Allinea a sinistra
Allinea a sinistra</translation>
    </message>
    <message>
        <source>Center
Center</source>
        <comment>32792</comment>
        <translation>Centra
Centra</translation>
    </message>
    <message>
        <source>Right Justify
Right Justify</source>
        <comment>32793</comment>
        <translation>Allinea a destra
Allinea a destra</translation>
    </message>
    <message>
        <source>Add Hyperlink
Add Hyperlink</source>
        <comment>32794</comment>
        <translation>Aggiungi collegamento ipertestuale
Aggiungi collegamento ipertestuale</translation>
    </message>
    <message>
        <source>Ordered List
Ordered List</source>
        <comment>32795</comment>
        <translation>Elenco numerato
Elenco numerato</translation>
    </message>
    <message>
        <source>Indent
Indent</source>
        <comment>32796</comment>
        <translation>Aumenta rientro
Aumenta rientro</translation>
    </message>
    <message>
        <source>Outdent
Outdent</source>
        <comment>32797</comment>
        <translation>Riduci rientro
Riduci rientro</translation>
    </message>
    <message>
        <source>Unordered List
Unordered List</source>
        <comment>32798</comment>
        <translation>Elenco puntato
Elenco puntato</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode
Switch Design/Preview Mode</source>
        <comment>32799</comment>
        <translation>Passa alla modalità progettazione/anteprima
Passa alla modalità progettazione/anteprima</translation>
    </message>
    <message>
        <source>Insert Image
Insert image</source>
        <comment>32800</comment>
        <translation>Inserisci immagine
Inserisci immagine</translation>
    </message>
    <message>
        <source>Font
Font</source>
        <comment>32801</comment>
        <translation>Carattere
Carattere</translation>
    </message>
    <message>
        <source>Cut
Cut</source>
        <comment>32802</comment>
        <translation>Taglia
Taglia</translation>
    </message>
    <message>
        <source>Copy
Copy</source>
        <comment>32803</comment>
        <translation>Copia
Copia</translation>
    </message>
    <message>
        <source>Paste
Paste</source>
        <comment>32804</comment>
        <translation>Incolla
Incolla</translation>
    </message>
    <message>
        <source>Background Color
Background Color</source>
        <comment>32805</comment>
        <translation>Colore di sfondo
Colore di sfondo</translation>
    </message>
    <message>
        <source>Horizontal Line
Horizontal Line</source>
        <comment>32806</comment>
        <translation>Linea orizzontale
Linea orizzontale</translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32807</comment>
        <translation>Elimina
Elimina</translation>
    </message>
    <message>
        <source>Ordo</source>
        <comment>57344</comment>
        <extracomment>Short name of the program.</extracomment>
        <translation>Ordo</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>Per la Guida, premere F1</translation>
    </message>
    <message>
        <source>Found at %s.</source>
        <comment>235</comment>
        <extracomment>Status of a looked-up book; %s is the service that knew it (Open Library...).</extracomment>
        <translation>Trovato su %s.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>%n duplicato non è stato salvato.</numerusform>
            <numerusform>%n duplicati non sono stati salvati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <comment>173</comment>
        <extracomment>%1 is the number of pages, &quot;%n page(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n risultato trovato, %1. Pagina corrente: %2  (Nota: alcuni eBook potrebbero essere stati esclusi.)</numerusform>
            <numerusform>%n risultati trovati, %1. Pagina corrente: %2  (Nota: alcuni eBook potrebbero essere stati esclusi.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <extracomment>What a category contains; %1 is the number of its sub categories, &quot;%n sub category(ies)&quot;.</extracomment>
        <translation>
            <numerusform>%n libro, %1</numerusform>
            <numerusform>%n libri, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <comment>236</comment>
        <extracomment>The pages of online search results, in &quot;%n result(s) found, %1&quot;.</extracomment>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sub category(ies)</source>
        <comment>237</comment>
        <extracomment>In &quot;%n book(s), %1&quot;, what a category contains.</extracomment>
        <translation>
            <numerusform>%n sottocategoria</numerusform>
            <numerusform>%n sottocategorie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Catalogue manager for a book collection</source>
        <translation>Gestione del catalogo di una collezione di libri</translation>
    </message>
    <message>
        <source>The catalogue (.mdb) to open.</source>
        <translation>Il catalogo (.mdb) da aprire.</translation>
    </message>
    <message>
        <source>Open the catalogue, report where the program&apos;s files were found, and quit (exit code 0 when everything is there).</source>
        <translation>Apre il catalogo, indica dove sono stati trovati i file del programma ed esce (codice di uscita 0 quando c&apos;è tutto).</translation>
    </message>
</context>
</TS>
