<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Ordo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordoteca Version 1.0 RC1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenlow Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Ordoteca web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BasicSearch</name>
    <message>
        <source>No search results found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAddBookCommand</name>
    <message>
        <source>Do you want to add this book by hand?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Add Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query Online By ISBN(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: Use your barcode scanner here, e.g. CueCat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query Online By Title, Author and Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Book Manually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>Basic Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter keyword:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore accents (e also finds é, è and ê)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBatchQueryDlg</name>
    <message>
        <source>Batch Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add books already in the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the book was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publisher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;ge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dimension:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of pages. Please type digits only, for example 340.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Related Links</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;ore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Purchase Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am&amp;azon Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazon &amp;Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number of Reviews:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;My Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze (in MB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a price. Please type an amount, for example %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number. Please type digits only, for example 120.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCategoryGeneralPage</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDatePickerWithNone</name>
    <message>
        <source>Clear the box to leave the date empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHtmlEditorPage</name>
    <message>
        <source>URL:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input SQL statement:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLookupProgressDlg</name>
    <message>
        <source>Add Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>No CSS files found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new book database
New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing book database
Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the book page as an HTML file
Save As HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;XML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the selected books as an XML file
Save As XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the book page as it will be printed
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the book page
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select everything
Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Sub Category...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a sub category to the selected category
Add Sub Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected category
Remove Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Category...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename or annotate the selected category
Edit Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a book to the selected category
Add Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected books
Remove Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Book...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the selected book
Edit Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected books to Favorites
Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected books to the Reading List
Reading List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected books to Search Results
Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic &amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the catalogue for a keyword
Basic Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the book page again
Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit SQL statement to the database
Run SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default values and the interface language
Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the user guide
Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Ordo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordoteca &amp;Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Ordoteca web site
Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Ordoteca support forum
Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help for the current task
Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content &amp;Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display &amp;Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COnlineQueryResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear for no purchase date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each new book gets the day it is added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I only have &amp;eBook:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>&amp;Interface Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Restart of Ordoteca is needed.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Interface</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrdoApp</name>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrdoDoc</name>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) left behind by books or categories deleted outside Ordoteca.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoHtmlView</name>
    <message>
        <source>Save As XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be rendered for printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrdoListView</name>
    <message>
        <source>Are you sure you want to permanently delete the selected book(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected book(s) from this category?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1 selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoTreeView</name>
    <message>
        <source>Invalid DateTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this category?
Note: this will delete all books and subcategories in this category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>No new number is free: the highest one is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue: the file is not a database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>The SQL text holds no statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one SQL statement can be run at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqlConsole</name>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <comment>142</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load book info from Amazon.com.</source>
        <comment>143</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <comment>144</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <comment>145</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid ISBN found.</source>
        <comment>147</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <comment>148</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <comment>149</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is not a valid ISBN. Ignore this one?</source>
        <comment>150</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <comment>151</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <comment>152</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <comment>153</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <comment>154</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <comment>161</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page</source>
        <comment>169</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <comment>170</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <comment>171</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page</source>
        <comment>172</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results found, %2 page(s). Current page: %3  (Note: Some e-books might have been filtered.)</source>
        <comment>173</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Books, %2 Sub Categories</source>
        <comment>182</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <comment>183</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <comment>184</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <comment>185</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <comment>198</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordoteca Book Information</source>
        <comment>201</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <comment>205</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||</source>
        <comment>206</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordoteca Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading book information from %s...</source>
        <comment>227</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No book with ISBN %s was found at %s.</source>
        <comment>228</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load book info from %s.</source>
        <comment>229</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error message returned from %s:
%s</source>
        <comment>230</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline
Underline</source>
        <comment>32788</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic
Italic</source>
        <comment>32789</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold
Bold</source>
        <comment>32790</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Justify
Left Justify</source>
        <comment>32791</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center
Center</source>
        <comment>32792</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Justify
Right Justify</source>
        <comment>32793</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Hyperlink
Add Hyperlink</source>
        <comment>32794</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered List
Ordered List</source>
        <comment>32795</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent
Indent</source>
        <comment>32796</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdent
Outdent</source>
        <comment>32797</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unordered List
Unordered List</source>
        <comment>32798</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode
Switch Design/Preview Mode</source>
        <comment>32799</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Image
Insert image</source>
        <comment>32800</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font
Font</source>
        <comment>32801</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut
Cut</source>
        <comment>32802</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy
Copy</source>
        <comment>32803</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste
Paste</source>
        <comment>32804</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color
Background Color</source>
        <comment>32805</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Line
Horizontal Line</source>
        <comment>32806</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32807</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordo</source>
        <comment>57344</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Catalogue manager for a book collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue (.mdb) to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
