<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small Italian translation for the tests: string-table entries only. -->
<TS version="2.1" language="it_IT">
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
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>Impossibile creare il file:
%s</translation>
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
        <translation>Dischetto</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <translation>Collezione di libri</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <translation>In collezione</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <translation>Lista dei desideri</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <translation>Solo consultazione</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <translation>In vendita</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
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
        <translation>L'elenco di lettura</translation>
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
    <name>COrdoListView</name>
    <message numerus="yes">
        <source>%n book(s); %1</source>
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
</context>
</TS>
