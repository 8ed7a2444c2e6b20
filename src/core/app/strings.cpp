#include "strings.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

struct Text
{
    const char *source;  // English
    const char *comment; // the id as text: the translation's disambiguation
};

struct Entry
{
    int id;
    Text text;
};

// Each entry is written out in full (no macro) so that lupdate sees its text
// and its id: a new entry must repeat its id as the third argument.

// Sorted by id.
const Entry kStrings[] = {
    {129, QT_TRANSLATE_NOOP3("Strings", "Simplified Chinese", "129")},
    {130, QT_TRANSLATE_NOOP3("Strings", "Traditional Chinese", "130")},
    //: The interface language, as listed in Options.
    {131, QT_TRANSLATE_NOOP3("Strings", "English", "131")},
    {135, QT_TRANSLATE_NOOP3("Strings", "Cannot open file for writing.", "135")},
    {136, QT_TRANSLATE_NOOP3("Strings", "Failed to instantiate an XML/XSL DOM.", "136")},
    {137, QT_TRANSLATE_NOOP3("Strings", "Failed to load XML.", "137")},
    {138, QT_TRANSLATE_NOOP3("Strings", "Failed to load XSL.", "138")},
    {139, QT_TRANSLATE_NOOP3("Strings", "Operation failed. Please make sure the following is a valid path:\n%s", "139")},
    {140, QT_TRANSLATE_NOOP3("Strings", "Unable to create directory:\n%s", "140")},
    {142, QT_TRANSLATE_NOOP3("Strings", "Unable to download the cover picture.", "142")},
    {143, QT_TRANSLATE_NOOP3("Strings", "Failed to load book info from Amazon.com.", "143")},
    {144, QT_TRANSLATE_NOOP3("Strings", "Error message returned from Amazon:\n%s", "144")},
    {145, QT_TRANSLATE_NOOP3("Strings", "Unable to download the html page.", "145")},
    {147, QT_TRANSLATE_NOOP3("Strings", "No valid ISBN found.", "147")},
    {148, QT_TRANSLATE_NOOP3("Strings", "Please enter at least one of them: title, author and publisher.", "148")},
    {149, QT_TRANSLATE_NOOP3("Strings", "Cannot open file for reading.", "149")},
    {150, QT_TRANSLATE_NOOP3("Strings", "%s is not a valid ISBN. Ignore this one?", "150")},
    {151, QT_TRANSLATE_NOOP3("Strings", "Nothing to save.", "151")},
    {152, QT_TRANSLATE_NOOP3("Strings", "File has been saved.", "152")},
    {153, QT_TRANSLATE_NOOP3("Strings", "Fatal error occurred. Job will be cancelled.", "153")},
    {154, QT_TRANSLATE_NOOP3("Strings", "Query queue is empty.", "154")},
    {155, QT_TRANSLATE_NOOP3("Strings", "Book title cannot be empty.", "155")},
    {156, QT_TRANSLATE_NOOP3("Strings", "Please select one item from the list.", "156")},
    {158, QT_TRANSLATE_NOOP3("Strings", "URL is not valid.", "158")},
    {159, QT_TRANSLATE_NOOP3("Strings", "File does not exist.", "159")},
    {160, QT_TRANSLATE_NOOP3("Strings", "Folder does not exist.", "160")},
    {161, QT_TRANSLATE_NOOP3("Strings", "No valid results found.\nNote: e-books are ignored.", "161")},
    {162, QT_TRANSLATE_N_NOOP3("Strings", "%n duplicate(s) are not saved.", "162")},
    {165, QT_TRANSLATE_NOOP3("Strings", "Category name cannot be empty.", "165")},
    {166, QT_TRANSLATE_NOOP3("Strings", "Cannot create file:\n%s", "166")},
    {167, QT_TRANSLATE_NOOP3("Strings", "Link title and path cannot be empty.", "167")},
    {169, QT_TRANSLATE_NOOP3("Strings", "First page", "169")},
    {170, QT_TRANSLATE_NOOP3("Strings", "Previous page", "170")},
    {171, QT_TRANSLATE_NOOP3("Strings", "Next page", "171")},
    {172, QT_TRANSLATE_NOOP3("Strings", "Last page", "172")},
    //: %1 is the number of pages, "%n page(s)".
    {173, QT_TRANSLATE_N_NOOP3("Strings", "%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)", "173")},
    {174, QT_TRANSLATE_NOOP3("Strings", "Add New Category", "174")},
    {175, QT_TRANSLATE_NOOP3("Strings", "Edit Category", "175")},
    {176, QT_TRANSLATE_NOOP3("Strings", "Add Book", "176")},
    {177, QT_TRANSLATE_NOOP3("Strings", "Edit Book", "177")},
    {178, QT_TRANSLATE_NOOP3("Strings", "Add Link", "178")},
    {179, QT_TRANSLATE_NOOP3("Strings", "Edit Link", "179")},
    {180, QT_TRANSLATE_NOOP3("Strings", "Options", "180")},
    //: What a category contains; %1 is the number of its sub categories, "%n sub category(ies)".
    {182, QT_TRANSLATE_N_NOOP3("Strings", "%n book(s), %1", "182")},
    {183, QT_TRANSLATE_NOOP3("Strings", "Loading XML from %s...", "183")},
    {184, QT_TRANSLATE_NOOP3("Strings", "Parsing html...", "184")},
    {185, QT_TRANSLATE_NOOP3("Strings", "Downloading cover...", "185")},
    {186, QT_TRANSLATE_NOOP3("Strings", "Title", "186")},
    {187, QT_TRANSLATE_NOOP3("Strings", "Author", "187")},
    {188, QT_TRANSLATE_NOOP3("Strings", "Publisher", "188")},
    {189, QT_TRANSLATE_NOOP3("Strings", "ISBN", "189")},
    {190, QT_TRANSLATE_NOOP3("Strings", "Edition", "190")},
    {191, QT_TRANSLATE_NOOP3("Strings", "Please select a folder from the list:", "191")},
    {192, QT_TRANSLATE_NOOP3("Strings", "eBook folder", "192")},
    {193, QT_TRANSLATE_NOOP3("Strings", "Source code folder", "193")},
    {194, QT_TRANSLATE_NOOP3("Strings", "eBook file", "194")},
    {195, QT_TRANSLATE_NOOP3("Strings", "Other info", "195")},
    {196, QT_TRANSLATE_NOOP3("Strings", "Author's website", "196")},
    {197, QT_TRANSLATE_NOOP3("Strings", "This book on publisher's website", "197")},
    // The page view writes this into the body of its page, so the font is set
    // on an inner block, not on the body tag.
    {198, QT_TRANSLATE_NOOP3("Strings", "<html><body><div style=\"font-family: Georgia, 'Times New Roman', Times, serif\">"
                  "<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>"
                  "<p align=\"center\"><font color=\"#cc6633\" size=\"7\">Welcome to Ordoteca</font></p>"
                  "<p align=\"center\">Quenlow Software</p>"
                  "<p align=\"center\"><a href=\"https://ordoteca.example.org/\">ordoteca.example.org</a></p>"
                  "</div></body></html>", "198")},
    //: Written into the book page for yes/no fields (I only have eBook).
    {199, QT_TRANSLATE_NOOP3("Strings", "Yes", "199")},
    //: Written into the book page for yes/no fields (I only have eBook).
    {200, QT_TRANSLATE_NOOP3("Strings", "No", "200")},
    {201, QT_TRANSLATE_NOOP3("Strings", "Ordoteca Book Information", "201")},
    {204, QT_TRANSLATE_NOOP3("Strings", "Unable to copy the cover picture to the following location:\n%s", "204")},
    {205, QT_TRANSLATE_NOOP3("Strings", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", "205")},
    // PNG pictures are common covers now; "All Files" lets a picture with an
    // unusual extension be chosen at all.
    {206, QT_TRANSLATE_NOOP3("Strings", "All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||", "206")},
    {207, QT_TRANSLATE_NOOP3("Strings", "Ordoteca Databases (*.mdb)|*.mdb||", "207")},
    {208, QT_TRANSLATE_NOOP3("Strings", "HTML Files (*.htm, *.html)|*.htm;*.html||", "208")},
    {209, QT_TRANSLATE_NOOP3("Strings", "XML Files (*.xml)|*.xml||", "209")},
    {210, QT_TRANSLATE_NOOP3("Strings", "All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||", "210")},
    {211, QT_TRANSLATE_NOOP3("Strings", "Hardcover", "211")},
    {212, QT_TRANSLATE_NOOP3("Strings", "Paperback", "212")},
    {213, QT_TRANSLATE_NOOP3("Strings", "Unknown Binding", "213")},
    //: A medium that comes with the book (lookup value of "Extras").
    {214, QT_TRANSLATE_NOOP3("Strings", "Floppy Disk", "214")},
    //: The language a book is written in (lookup value), not the interface language.
    {215, QT_TRANSLATE_NOOP3("Strings", "English", "215")},
    //: The top category of the tree: the whole collection.
    {218, QT_TRANSLATE_NOOP3("Strings", "Book Collection", "218")},
    //: Book status: the book is in the owner's collection.
    {219, QT_TRANSLATE_NOOP3("Strings", "In Collection", "219")},
    //: Book status: the owner wants the book.
    {220, QT_TRANSLATE_NOOP3("Strings", "Wish List", "220")},
    //: Book status: the book is only consulted, not owned.
    {221, QT_TRANSLATE_NOOP3("Strings", "Reference Only", "221")},
    //: Book status: the owner sells the book.
    {222, QT_TRANSLATE_NOOP3("Strings", "For Sale", "222")},
    //: The language a book is written in (lookup value), not the interface language.
    {223, QT_TRANSLATE_NOOP3("Strings", "Chinese", "223")},
    {224, QT_TRANSLATE_NOOP3("Strings", "Favorites", "224")},
    {225, QT_TRANSLATE_NOOP3("Strings", "Search Results", "225")},
    {226, QT_TRANSLATE_NOOP3("Strings", "Reading List", "226")},
    {227, QT_TRANSLATE_NOOP3("Strings", "Loading book information from %s...", "227")},
    {228, QT_TRANSLATE_NOOP3("Strings", "No book with ISBN %s was found at %s.", "228")},
    {229, QT_TRANSLATE_NOOP3("Strings", "Failed to load book info from %s.", "229")},
    {230, QT_TRANSLATE_NOOP3("Strings", "Error message returned from %s:\n%s", "230")},
    //: Status of a looked-up book; %s is the service that knew it (Open Library...).
    {235, QT_TRANSLATE_NOOP3("Strings", "Found at %s.", "235")},
    //: The pages of online search results, in "%n result(s) found, %1".
    {236, QT_TRANSLATE_N_NOOP3("Strings", "%n page(s)", "236")},
    //: In "%n book(s), %1", what a category contains.
    {237, QT_TRANSLATE_N_NOOP3("Strings", "%n sub category(ies)", "237")},
    // The HTML editor pages' commands: prompt, line feed, tooltip.
    {32788, QT_TRANSLATE_NOOP3("Strings", "Underline\nUnderline", "32788")},
    {32789, QT_TRANSLATE_NOOP3("Strings", "Italic\nItalic", "32789")},
    {32790, QT_TRANSLATE_NOOP3("Strings", "Bold\nBold", "32790")},
    {32791, QT_TRANSLATE_NOOP3("Strings", "Left Justify\nLeft Justify", "32791")},
    {32792, QT_TRANSLATE_NOOP3("Strings", "Center\nCenter", "32792")},
    {32793, QT_TRANSLATE_NOOP3("Strings", "Right Justify\nRight Justify", "32793")},
    {32794, QT_TRANSLATE_NOOP3("Strings", "Add Hyperlink\nAdd Hyperlink", "32794")},
    {32795, QT_TRANSLATE_NOOP3("Strings", "Ordered List\nOrdered List", "32795")},
    {32796, QT_TRANSLATE_NOOP3("Strings", "Indent\nIndent", "32796")},
    {32797, QT_TRANSLATE_NOOP3("Strings", "Outdent\nOutdent", "32797")},
    {32798, QT_TRANSLATE_NOOP3("Strings", "Unordered List\nUnordered List", "32798")},
    {32799, QT_TRANSLATE_NOOP3("Strings", "Switch Design/Preview Mode\nSwitch Design/Preview Mode", "32799")},
    {32800, QT_TRANSLATE_NOOP3("Strings", "Insert Image\nInsert image", "32800")},
    {32801, QT_TRANSLATE_NOOP3("Strings", "Font\nFont", "32801")},
    {32802, QT_TRANSLATE_NOOP3("Strings", "Cut\nCut", "32802")},
    {32803, QT_TRANSLATE_NOOP3("Strings", "Copy\nCopy", "32803")},
    {32804, QT_TRANSLATE_NOOP3("Strings", "Paste\nPaste", "32804")},
    {32805, QT_TRANSLATE_NOOP3("Strings", "Background Color\nBackground Color", "32805")},
    {32806, QT_TRANSLATE_NOOP3("Strings", "Horizontal Line\nHorizontal Line", "32806")},
    {32807, QT_TRANSLATE_NOOP3("Strings", "Delete\nDelete", "32807")},
    //: Short name of the program.
    {57344, QT_TRANSLATE_NOOP3("Strings", "Ordo", "57344")},
    {57345, QT_TRANSLATE_NOOP3("Strings", "For Help, press F1", "57345")},
};

const Entry *findEntry(int id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry &e, int key) { return e.id < key; });
    return it == std::end(kStrings) || it->id != id ? nullptr : it;
}

} // namespace

QString LoadStr(int id)
{
    const Entry *e = findEntry(id);
    return e ? QCoreApplication::translate("Strings", e->text.source, e->text.comment) : QString();
}

QString LoadCountStr(int id, int count)
{
    const Entry *e = findEntry(id);
    return e ? QCoreApplication::translate("Strings", e->text.source, e->text.comment, count) : QString();
}

QList<int> StringIds()
{
    QList<int> ids;
    for (const Entry &e : kStrings)
        ids << e.id;
    return ids;
}

QString LoadStr(int id, const QString &arg)
{
    QString text = LoadStr(id);
    int at = text.indexOf(QLatin1String("%s"));
    if (at < 0)
        at = text.indexOf(QLatin1String("%d"));
    if (at >= 0)
        text.replace(at, 2, arg);
    return text;
}
