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
        <source>%n book(s); %1 selected</source>
        <translation>
            <numerusform>%n book; %1 selected</numerusform>
            <numerusform>%n books; %1 selected</numerusform>
        </translation>
    </message>
</context>
</TS>
