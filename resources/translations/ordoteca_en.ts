<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CBarcodeScanDlg</name>
    <message numerus="yes">
        <source>All pictures read: %n ISBN(s) in the list.</source>
        <translation>
            <numerusform>All pictures read: %n ISBN in the list.</numerusform>
            <numerusform>All pictures read: %n ISBNs in the list.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading %n picture(s)...</source>
        <translation>
            <numerusform>Reading %n picture...</numerusform>
            <numerusform>Reading %n pictures...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBatchQueryDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <translation>
            <numerusform>%n updated</numerusform>
            <numerusform>%n updated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the catalogue</source>
        <translation>
            <numerusform>%n already in the catalogue</numerusform>
            <numerusform>%n already in the catalogue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n not found</numerusform>
            <numerusform>%n not found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>%n not looked up</numerusform>
            <numerusform>%n not looked up</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCatalogueCheck</name>
    <message numerus="yes">
        <source>The database file is damaged (%n problem(s)):</source>
        <translation>
            <numerusform>The database file is damaged (%n problem):</numerusform>
            <numerusform>The database file is damaged (%n problems):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) belong to a book or category that no longer exists.</source>
        <translation>
            <numerusform>%n row belongs to a book or category that no longer exists.</numerusform>
            <numerusform>%n rows belong to a book or category that no longer exists.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the images folder belong to no book:</source>
        <translation>
            <numerusform>%n picture in the images folder belongs to no book:</numerusform>
            <numerusform>%n pictures in the images folder belong to no book:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were left by an interrupted save.</source>
        <translation>
            <numerusform>%n file was left by an interrupted save.</numerusform>
            <numerusform>%n files were left by an interrupted save.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s).</source>
        <translation>
            <numerusform>Removed %n row.</numerusform>
            <numerusform>Removed %n rows.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %n missing cover name(s).</source>
        <translation>
            <numerusform>Cleared %n missing cover name.</numerusform>
            <numerusform>Cleared %n missing cover names.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n picture(s) to the folder &quot;%1&quot;.</source>
        <translation>
            <numerusform>Moved %n picture to the folder &quot;%1&quot;.</numerusform>
            <numerusform>Moved %n pictures to the folder &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n leftover file(s).</source>
        <translation>
            <numerusform>Removed %n leftover file.</numerusform>
            <numerusform>Removed %n leftover files.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCopyProgress</name>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...and %n more.</numerusform>
            <numerusform>...and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportWizard</name>
    <message numerus="yes">
        <source>%1, %n book(s)</source>
        <translation>
            <numerusform>%1, %n book</numerusform>
            <numerusform>%1, %n books</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLoanTools</name>
    <message numerus="yes">
        <source>%n book(s) are overdue</source>
        <translation>
            <numerusform>%n book is overdue</numerusform>
            <numerusform>%n books are overdue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) were on loan already and kept their loan.</source>
        <translation>
            <numerusform>%n book was on loan already and kept its loan.</numerusform>
            <numerusform>%n books were on loan already and kept their loan.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoDoc</name>
    <message numerus="yes">
        <source>Removed %n row(s) left behind by books or categories deleted outside Ordoteca.</source>
        <translation>
            <numerusform>Removed %n row left behind by books or categories deleted outside Ordoteca.</numerusform>
            <numerusform>Removed %n rows left behind by books or categories deleted outside Ordoteca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoHtmlView</name>
    <message numerus="yes">
        <source>Show the next %n books</source>
        <translation>
            <numerusform>Show the next %n book</numerusform>
            <numerusform>Show the next %n books</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show all %n books</source>
        <translation>
            <numerusform>Show all %n book</numerusform>
            <numerusform>Show all %n books</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Preparing %n books...</source>
        <translation>
            <numerusform>Preparing %n book...</numerusform>
            <numerusform>Preparing %n books...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoListView</name>
    <message numerus="yes">
        <source>%n book(s); %1</source>
        <extracomment>%1 is the number of selected books, &quot;%n selected&quot;.</extracomment>
        <translation>
            <numerusform>%n book; %1</numerusform>
            <numerusform>%n books; %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selected</numerusform>
            <numerusform>%n selected</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message numerus="yes">
        <source>Page %1 of %n</source>
        <translation>
            <numerusform>Page %1 of %n</numerusform>
            <numerusform>Page %1 of %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReturnDlg</name>
    <message numerus="yes">
        <source>%n book(s) on loan will be marked as returned.</source>
        <translation>
            <numerusform>%n book on loan will be marked as returned.</numerusform>
            <numerusform>%n books on loan will be marked as returned.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message numerus="yes">
        <source>%n duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>%n duplicate is not saved.</numerusform>
            <numerusform>%n duplicates are not saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <comment>173</comment>
        <extracomment>%1 is the number of pages, &quot;%n page(s)&quot;.</extracomment>
        <translation>
            <numerusform>%n result found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</numerusform>
            <numerusform>%n results found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <extracomment>What a category contains; %1 is the number of its sub categories, &quot;%n sub category(ies)&quot;.</extracomment>
        <translation>
            <numerusform>%n book, %1</numerusform>
            <numerusform>%n books, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <comment>236</comment>
        <extracomment>The pages of online search results, in &quot;%n result(s) found, %1&quot;.</extracomment>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sub category(ies)</source>
        <comment>237</comment>
        <extracomment>In &quot;%n book(s), %1&quot;, what a category contains.</extracomment>
        <translation>
            <numerusform>%n sub category</numerusform>
            <numerusform>%n sub categories</numerusform>
        </translation>
    </message>
</context>
</TS>
