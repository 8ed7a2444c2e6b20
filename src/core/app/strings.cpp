#include "strings.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

struct Entry
{
    int id;
    const char *key;  // the id as text: the translation's disambiguation
    const char *text; // English
};

#define ORDO_STR(id, text) {id, #id, QT_TRANSLATE_NOOP("Strings", text)}

// Sorted by id.
const Entry kStrings[] = {
    ORDO_STR(129, "Simplified Chinese"),
    ORDO_STR(130, "Traditional Chinese"),
    ORDO_STR(131, "English"),
    ORDO_STR(135, "Cannot open file for writing."),
    ORDO_STR(136, "Failed to instantiate an XML/XSL DOM."),
    ORDO_STR(137, "Failed to load XML."),
    ORDO_STR(138, "Failed to load XSL."),
    ORDO_STR(139, "Operation failed. Please make sure the following is a valid path:\n%s"),
    ORDO_STR(140, "Unable to create directory:\n%s"),
    ORDO_STR(142, "Unable to download the cover picture."),
    ORDO_STR(143, "Failed to load book info from Amazon.com."),
    ORDO_STR(144, "Error message returned from Amazon:\n%s"),
    ORDO_STR(145, "Unable to download the html page."),
    ORDO_STR(147, "No valid ISBN found."),
    ORDO_STR(148, "Please enter at least one of them: title, author and publisher."),
    ORDO_STR(149, "Cannot open file for reading."),
    ORDO_STR(150, "%s is not a valid ISBN. Ignore this one?"),
    ORDO_STR(151, "Nothing to save."),
    ORDO_STR(152, "File has been saved."),
    ORDO_STR(153, "Fatal error occurred. Job will be cancelled."),
    ORDO_STR(154, "Query queue is empty."),
    ORDO_STR(155, "Book title cannot be empty."),
    ORDO_STR(156, "Please select one item from the list."),
    ORDO_STR(158, "URL is not valid."),
    ORDO_STR(159, "File does not exist."),
    ORDO_STR(160, "Folder does not exist."),
    ORDO_STR(161, "No valid results found.\nNote: e-books are ignored."),
    ORDO_STR(162, "%d duplicate(s) are not saved."),
    ORDO_STR(165, "Category name cannot be empty."),
    ORDO_STR(166, "Cannot create file:\n%s"),
    ORDO_STR(167, "Link title and path cannot be empty."),
    ORDO_STR(169, "First page"),
    ORDO_STR(170, "Previous page"),
    ORDO_STR(171, "Next page"),
    ORDO_STR(172, "Last page"),
    ORDO_STR(173, "%1 results found, %2 page(s). Current page: %3  (Note: Some e-books might have been filtered.)"),
    ORDO_STR(174, "Add New Category"),
    ORDO_STR(175, "Edit Category"),
    ORDO_STR(176, "Add Book"),
    ORDO_STR(177, "Edit Book"),
    ORDO_STR(178, "Add Link"),
    ORDO_STR(179, "Edit Link"),
    ORDO_STR(180, "Options"),
    ORDO_STR(182, "%1 Books, %2 Sub Categories"),
    ORDO_STR(183, "Loading XML from %s..."),
    ORDO_STR(184, "Parsing html..."),
    ORDO_STR(185, "Downloading cover..."),
    ORDO_STR(186, "Title"),
    ORDO_STR(187, "Author"),
    ORDO_STR(188, "Publisher"),
    ORDO_STR(189, "ISBN"),
    ORDO_STR(190, "Edition"),
    ORDO_STR(191, "Please select a folder from the list:"),
    ORDO_STR(192, "eBook folder"),
    ORDO_STR(193, "Source code folder"),
    ORDO_STR(194, "eBook file"),
    ORDO_STR(195, "Other info"),
    ORDO_STR(196, "Author's website"),
    ORDO_STR(197, "This book on publisher's website"),
    // The page view writes this into the body of its page, so the font is set
    // on an inner block, not on the body tag.
    ORDO_STR(198, "<html><body><div style=\"font-family: Georgia, 'Times New Roman', Times, serif\">"
                  "<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>"
                  "<p align=\"center\"><font color=\"#cc6633\" size=\"7\">Welcome to Ordoteca</font></p>"
                  "<p align=\"center\">Quenlow Software</p>"
                  "<p align=\"center\"><a href=\"https://ordoteca.example.org/\">ordoteca.example.org</a></p>"
                  "</div></body></html>"),
    ORDO_STR(199, "Yes"),
    ORDO_STR(200, "No"),
    ORDO_STR(201, "Ordoteca Book Information"),
    ORDO_STR(204, "Unable to copy the cover picture to the following location:\n%s"),
    ORDO_STR(205, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"),
    // PNG pictures are common covers now; "All Files" lets a picture with an
    // unusual extension be chosen at all.
    ORDO_STR(206, "All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||"),
    ORDO_STR(207, "Ordoteca Databases (*.mdb)|*.mdb||"),
    ORDO_STR(208, "HTML Files (*.htm, *.html)|*.htm;*.html||"),
    ORDO_STR(209, "XML Files (*.xml)|*.xml||"),
    ORDO_STR(210, "All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||"),
    ORDO_STR(211, "Hardcover"),
    ORDO_STR(212, "Paperback"),
    ORDO_STR(213, "Unknown Binding"),
    ORDO_STR(214, "Floppy Disk"),
    ORDO_STR(215, "English"),
    ORDO_STR(218, "Book Collection"),
    ORDO_STR(219, "In Collection"),
    ORDO_STR(220, "Wish List"),
    ORDO_STR(221, "Reference Only"),
    ORDO_STR(222, "For Sale"),
    ORDO_STR(223, "Chinese"),
    ORDO_STR(224, "Favorites"),
    ORDO_STR(225, "Search Results"),
    ORDO_STR(226, "Reading List"),
    ORDO_STR(227, "Loading book information from %s..."),
    ORDO_STR(228, "No book with ISBN %s was found at %s."),
    ORDO_STR(229, "Failed to load book info from %s."),
    ORDO_STR(230, "Error message returned from %s:\n%s"),
    ORDO_STR(235, "Found at %s."),
    // The HTML editor pages' commands: prompt, line feed, tooltip.
    ORDO_STR(32788, "Underline\nUnderline"),
    ORDO_STR(32789, "Italic\nItalic"),
    ORDO_STR(32790, "Bold\nBold"),
    ORDO_STR(32791, "Left Justify\nLeft Justify"),
    ORDO_STR(32792, "Center\nCenter"),
    ORDO_STR(32793, "Right Justify\nRight Justify"),
    ORDO_STR(32794, "Add Hyperlink\nAdd Hyperlink"),
    ORDO_STR(32795, "Ordered List\nOrdered List"),
    ORDO_STR(32796, "Indent\nIndent"),
    ORDO_STR(32797, "Outdent\nOutdent"),
    ORDO_STR(32798, "Unordered List\nUnordered List"),
    ORDO_STR(32799, "Switch Design/Preview Mode\nSwitch Design/Preview Mode"),
    ORDO_STR(32800, "Insert Image\nInsert image"),
    ORDO_STR(32801, "Font\nFont"),
    ORDO_STR(32802, "Cut\nCut"),
    ORDO_STR(32803, "Copy\nCopy"),
    ORDO_STR(32804, "Paste\nPaste"),
    ORDO_STR(32805, "Background Color\nBackground Color"),
    ORDO_STR(32806, "Horizontal Line\nHorizontal Line"),
    ORDO_STR(32807, "Delete\nDelete"),
    ORDO_STR(57344, "Ordo"),
    ORDO_STR(57345, "For Help, press F1"),
};

#undef ORDO_STR

} // namespace

QString LoadStr(int id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry &e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return {};
    return QCoreApplication::translate("Strings", it->text, it->key);
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
