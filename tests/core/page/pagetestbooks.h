#pragma once

// Books shared by the page tests, written with plain SQL so that the
// catalogue holds exactly what each case needs.

#include "testcatalog.h"

#include <QFile>
#include <QString>
#include <QTest>

namespace PageTestBooks {

// The images folder the tests hand to the XML builder (it need not exist).
inline QString imagesFolder()
{
    return QStringLiteral("/catalogs/My Books_images");
}

inline QString goldenPath(const QString &name)
{
    return QStringLiteral(ORDO_TEST_DATADIR "/page/") + name;
}

inline QString templatePath(const QString &name)
{
    return TestCatalog::appDir() + QStringLiteral("/Styles/") + name;
}

// Book 12: every field, two links stored out of order, both covers.
inline void addFullBook(TestCatalog &cat)
{
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Addison-Wesley')");
    cat.exec("INSERT INTO bookstore (StoreID, Name) VALUES (1, 'Powell''s Books')");
    cat.exec("INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Study, shelf 2')");
    cat.exec("INSERT INTO bookformat (FormatID, Name) VALUES (1, 'PDF')");
    cat.exec(
        "INSERT INTO book (BookID, Title, Subtitle, URL, Author, Edition, PublisherID, ISBN, PageCount, "
        "LanguageID, BindingID, Dimension, ExtrasID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, "
        "ListPrice, AmazonPrice, CurrentPage, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, "
        "MyRating, UserText1, UserText2, FormatID, BookSize, Description, Notes, FrontCover, BackCover) "
        "VALUES (12, 'Programming Pearls', 'Second Edition', "
        "'http://www.example.com/exec/obidos/tg/detail/-/0201657880', 'Jon Bentley', '2nd', 1, "
        "'0201657880', 256, 1, 2, '9.1 x 6.1 x 0.6 inches', 3, 'Oct 07, 1999', 'Jan 05, 2004', 1, 24.99, "
        "34.99, 29.5, 120, 1, 1, 1, 4.5, 87, 4, 'Shelf A', 'Signed copy', 1, 1.25, "
        "'<p>Essays on <b>programming</b>.</p>', '<ul><li>Re-read column 8</li></ul>', '12.jpg', "
        "'12b.jpg')");
    cat.exec("INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES "
             "(12, 5, 'Errata', 'http://www.example.com/errata', 'Checked in 2004')");
    cat.exec("INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES "
             "(12, 2, 'Author page', '/home/reader/docs/bentley.html', NULL)");
}

// Book 3: a title and nothing else; MyRating NULL, EBookOnly 0.
inline void addMinimalBook(TestCatalog &cat)
{
    cat.exec("INSERT INTO book (BookID, Title, Edition, EBookOnly) VALUES (3, 'Untitled Notes', '', 0)");
}

// Book 7: values that need escaping or cleaning.
inline void addSpecialBook(TestCatalog &cat)
{
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (2, 'Simon & Schuster')");
    cat.exec("INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, MyRating, EBookOnly, "
             "Description, Notes, UserText1) VALUES (7, "
             "'Tom & Jerry <Cats> \"Quoted\" ''apos''', "
             "'Caf\u00e9 Cr\u00e8me \u2013 \u4e2d\u6587 \U0001F600', "
             "'Ctrl' || char(1) || 'Char' || char(9) || 'Tab', 2, 0, 0, "
             "'<p>x &amp; y</p>', 'a ]]> b ]]]> c', char(11) || char(12))");
    cat.exec("INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES "
             "(7, 1, 'Search <results>', 'http://www.example.com/?a=1&b=2', '')");
}

inline QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Compares text with a golden file; ORDO_UPDATE_GOLDEN=1 rewrites the file.
inline bool matchesGolden(const QString &text, const QString &name)
{
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIntValue("ORDO_UPDATE_GOLDEN")) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text.toUtf8());
    }
    const QString expected = readText(path);
    if (text == expected)
        return true;
    qWarning("%s differs from the golden file:\n--- actual ---\n%s--- expected ---\n%s", qPrintable(name),
             qPrintable(text), qPrintable(expected));
    return false;
}

} // namespace PageTestBooks
