#include "importfield.h"

#include "app/registrykey.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct FieldInfo
{
    const char *name;
    const char *label;
    FieldKind kind;
};

// In the order of ImportField.
const FieldInfo kFields[] = {
    {"Title", QT_TRANSLATE_NOOP("Import", "Title"), FieldKind::Text},
    {"Subtitle", QT_TRANSLATE_NOOP("Import", "Subtitle"), FieldKind::Text},
    {"Author", QT_TRANSLATE_NOOP("Import", "Author"), FieldKind::Text},
    {"URL", QT_TRANSLATE_NOOP("Import", "URL"), FieldKind::Text},
    {"Edition", QT_TRANSLATE_NOOP("Import", "Edition"), FieldKind::Text},
    {"ReleaseDate", QT_TRANSLATE_NOOP("Import", "Release date"), FieldKind::Date},
    {"Publisher", QT_TRANSLATE_NOOP("Import", "Publisher"), FieldKind::Lookup},
    {"ISBN", QT_TRANSLATE_NOOP("Import", "ISBN"), FieldKind::Text},
    {"PageCount", QT_TRANSLATE_NOOP("Import", "Pages"), FieldKind::Integer},
    {"Language", QT_TRANSLATE_NOOP("Import", "Language"), FieldKind::Lookup},
    {"Binding", QT_TRANSLATE_NOOP("Import", "Binding"), FieldKind::Lookup},
    {"Dimension", QT_TRANSLATE_NOOP("Import", "Dimensions"), FieldKind::Text},
    {"Extras", QT_TRANSLATE_NOOP("Import", "Extras"), FieldKind::Lookup},
    {"PurchaseDate", QT_TRANSLATE_NOOP("Import", "Purchase date"), FieldKind::Date},
    {"Store", QT_TRANSLATE_NOOP("Import", "Store"), FieldKind::Lookup},
    {"PurchasePrice", QT_TRANSLATE_NOOP("Import", "Purchase price"), FieldKind::Decimal},
    {"ListPrice", QT_TRANSLATE_NOOP("Import", "List price"), FieldKind::Decimal},
    {"AmazonPrice", QT_TRANSLATE_NOOP("Import", "Online price"), FieldKind::Decimal},
    {"Location", QT_TRANSLATE_NOOP("Import", "Location"), FieldKind::Lookup},
    {"Status", QT_TRANSLATE_NOOP("Import", "Status"), FieldKind::Lookup},
    {"CurrentPage", QT_TRANSLATE_NOOP("Import", "Current page"), FieldKind::Integer},
    {"AmazonRating", QT_TRANSLATE_NOOP("Import", "Average rating"), FieldKind::Decimal},
    {"NumOfReviews", QT_TRANSLATE_NOOP("Import", "Number of reviews"), FieldKind::Integer},
    {"MyRating", QT_TRANSLATE_NOOP("Import", "My rating"), FieldKind::Rating},
    {"UserText1", QT_TRANSLATE_NOOP("Import", "User text 1"), FieldKind::Text},
    {"UserText2", QT_TRANSLATE_NOOP("Import", "User text 2"), FieldKind::Text},
    {"EBookOnly", QT_TRANSLATE_NOOP("Import", "E-book only"), FieldKind::YesNo},
    {"Format", QT_TRANSLATE_NOOP("Import", "Format"), FieldKind::Lookup},
    {"BookSize", QT_TRANSLATE_NOOP("Import", "Book size"), FieldKind::Decimal},
    {"Description", QT_TRANSLATE_NOOP("Import", "Description"), FieldKind::Html},
    {"Notes", QT_TRANSLATE_NOOP("Import", "Notes"), FieldKind::Html},
    {"Categories", QT_TRANSLATE_NOOP("Import", "Categories (shelves, groups)"), FieldKind::Categories},
    {"Links", QT_TRANSLATE_NOOP("Import", "Links"), FieldKind::Links},
    {"FrontCover", QT_TRANSLATE_NOOP("Import", "Front cover"), FieldKind::Cover},
    {"BackCover", QT_TRANSLATE_NOOP("Import", "Back cover"), FieldKind::Cover},
    {"DateAdded", QT_TRANSLATE_NOOP("Import", "Date added"), FieldKind::Date},
    {"Borrower", QT_TRANSLATE_NOOP("Import", "Lent to"), FieldKind::Text},
    {"LoanDate", QT_TRANSLATE_NOOP("Import", "Loan date"), FieldKind::Date},
    {"DueDate", QT_TRANSLATE_NOOP("Import", "Due date"), FieldKind::Date},
    {"Series", QT_TRANSLATE_NOOP("Import", "Series"), FieldKind::Lookup},
    {"SeriesNumber", QT_TRANSLATE_NOOP("Import", "Number in series"), FieldKind::Text},
    {"Readings", QT_TRANSLATE_NOOP("Import", "Readings (days finished)"), FieldKind::Readings},
    {"DateStarted", QT_TRANSLATE_NOOP("Import", "Date started"), FieldKind::Date},
    {"TimesRead", QT_TRANSLATE_NOOP("Import", "Times read"), FieldKind::Text},
};
static_assert(sizeof(kFields) / sizeof(kFields[0]) == size_t(ImportField::Count), "one entry per field");

struct KnownColumn
{
    const char *column;
    ImportField field;
};

// Goodreads' library export.
const KnownColumn kGoodreads[] = {
    {"Title", ImportField::Title},
    {"Author", ImportField::Author},
    {"Additional Authors", ImportField::Author},
    {"ISBN", ImportField::ISBN},
    {"ISBN13", ImportField::ISBN},
    {"My Rating", ImportField::MyRating},
    {"Average Rating", ImportField::AmazonRating},
    {"Publisher", ImportField::Publisher},
    {"Binding", ImportField::Binding},
    {"Number of Pages", ImportField::PageCount},
    {"Year Published", ImportField::ReleaseDate},
    {"Date Read", ImportField::Readings},
    {"Read Count", ImportField::TimesRead},
    {"Date Added", ImportField::DateAdded},
    {"Bookshelves", ImportField::Categories},
    {"Exclusive Shelf", ImportField::Categories},
    {"My Review", ImportField::Notes},
    {"Private Notes", ImportField::Notes},
};

// LibraryThing's tab-separated export.
const KnownColumn kLibraryThing[] = {
    {"Title", ImportField::Title},
    {"Primary Author", ImportField::Author},
    {"Secondary Author", ImportField::Author},
    {"Publication", ImportField::Publisher},
    {"Date", ImportField::ReleaseDate},
    {"Review", ImportField::Notes},
    {"Rating", ImportField::MyRating},
    {"Comment", ImportField::Notes},
    {"Private Comment", ImportField::Notes},
    {"Media", ImportField::Format},
    {"Dimensions", ImportField::Dimension},
    {"Page Count", ImportField::PageCount},
    {"Acquired", ImportField::PurchaseDate},
    {"Date Started", ImportField::DateStarted},
    {"Date Read", ImportField::Readings},
    {"Series", ImportField::Series},
    {"Tags", ImportField::Categories},
    {"Languages", ImportField::Language},
    {"ISBN", ImportField::ISBN},
    {"From Where", ImportField::Store},
    {"Entry Date", ImportField::DateAdded},
};

// Tellico's book fields (by element name) and the ones our export adds.
const KnownColumn kTellico[] = {
    {"title", ImportField::Title},
    {"subtitle", ImportField::Subtitle},
    {"author", ImportField::Author},
    {"url", ImportField::URL},
    {"edition", ImportField::Edition},
    {"release-date", ImportField::ReleaseDate},
    {"pub_year", ImportField::ReleaseDate},
    {"publisher", ImportField::Publisher},
    {"isbn", ImportField::ISBN},
    {"pages", ImportField::PageCount},
    {"language", ImportField::Language},
    {"binding", ImportField::Binding},
    {"binding-text", ImportField::Binding},
    {"dimension", ImportField::Dimension},
    {"extras", ImportField::Extras},
    {"pur_date", ImportField::PurchaseDate},
    {"store", ImportField::Store},
    {"pur_price", ImportField::PurchasePrice},
    {"list-price", ImportField::ListPrice},
    {"online-price", ImportField::AmazonPrice},
    {"location", ImportField::Location},
    {"status", ImportField::Status},
    {"current-page", ImportField::CurrentPage},
    {"average-rating", ImportField::AmazonRating},
    {"reviews", ImportField::NumOfReviews},
    {"rating", ImportField::MyRating},
    {"user-text1", ImportField::UserText1},
    {"user-text2", ImportField::UserText2},
    {"ebook", ImportField::EBookOnly},
    {"format", ImportField::Format},
    {"book-size", ImportField::BookSize},
    {"plot", ImportField::Description},
    {"comments", ImportField::Notes},
    // The book has no yes/no of its own for a present: the reader makes a
    // "true" the word "Gift", which is added to the notes.
    {"gift", ImportField::Notes},
    {"keyword", ImportField::Categories},
    {"keywords", ImportField::Categories}, // syntax 1: one text, not a list
    {"category", ImportField::Categories}, // our exports before keywords
    {"link", ImportField::Links},
    {"cover", ImportField::FrontCover},
    {"back-cover", ImportField::BackCover},
    {"cdate", ImportField::DateAdded},
    // Cells the reader makes of the collection's <borrowers>.
    {"loan-borrower", ImportField::Borrower},
    {"loan-date", ImportField::LoanDate},
    {"loan-due", ImportField::DueDate},
    {"series", ImportField::Series},
    {"series_num", ImportField::SeriesNumber},
    {"read", ImportField::TimesRead},
    {"reading", ImportField::Readings}, // our export: the whole log, a table
};

// Common column names of hand-made spreadsheets.
const KnownColumn kSynonyms[] = {
    {"authors", ImportField::Author},
    {"writer", ImportField::Author},
    {"pages", ImportField::PageCount},
    {"numberofpages", ImportField::PageCount},
    {"year", ImportField::ReleaseDate},
    {"published", ImportField::ReleaseDate},
    {"rating", ImportField::MyRating},
    {"isbn13", ImportField::ISBN},
    {"isbn10", ImportField::ISBN},
    {"ean", ImportField::ISBN},
    {"category", ImportField::Categories},
    {"shelves", ImportField::Categories},
    {"bookshelves", ImportField::Categories},
    {"tags", ImportField::Categories},
    {"cover", ImportField::FrontCover},
    {"price", ImportField::PurchasePrice},
    {"summary", ImportField::Description},
    {"comments", ImportField::Notes},
    {"link", ImportField::Links},
    {"added", ImportField::DateAdded},
    {"entrydate", ImportField::DateAdded},
    {"lentto", ImportField::Borrower},
    {"borrower", ImportField::Borrower},
    {"loandate", ImportField::LoanDate},
    {"duedate", ImportField::DueDate},
    {"volume", ImportField::SeriesNumber},
    {"dateread", ImportField::Readings},
    {"readcount", ImportField::TimesRead},
};

QString squeezed(const QString &name)
{
    QString out;
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

ImportField byName(const QString &column)
{
    const QString key = squeezed(column);
    for (int i = 0; i < int(ImportField::Count); ++i) {
        if (key == squeezed(QLatin1String(kFields[i].name)))
            return ImportField(i);
    }
    for (const KnownColumn &k : kSynonyms) {
        if (key == QLatin1String(k.column))
            return k.field;
    }
    return ImportField::None;
}

template <size_t N> ImportField known(const KnownColumn (&list)[N], const QString &column)
{
    for (const KnownColumn &k : list) {
        if (column == QLatin1String(k.column))
            return k.field;
    }
    return ImportField::None;
}

QString settingsKey(const CImportTable &table)
{
    return QStringLiteral("Software\\Quenlow\\Ordo\\Import\\") + ImportFormatKey(table.format);
}

} // namespace

QString ImportFieldName(ImportField field)
{
    const int i = int(field);
    return i >= 0 && i < int(ImportField::Count) ? QLatin1String(kFields[i].name) : QString();
}

QString ImportFieldLabel(ImportField field)
{
    const int i = int(field);
    if (i < 0 || i >= int(ImportField::Count))
        return QCoreApplication::translate("Import", "(not imported)");
    return QCoreApplication::translate("Import", kFields[i].label);
}

FieldKind ImportFieldKind(ImportField field)
{
    const int i = int(field);
    return i >= 0 && i < int(ImportField::Count) ? kFields[i].kind : FieldKind::Text;
}

ImportField ImportFieldFromName(const QString &name)
{
    for (int i = 0; i < int(ImportField::Count); ++i) {
        if (name == QLatin1String(kFields[i].name))
            return ImportField(i);
    }
    return ImportField::None;
}

QVector<ImportField> AllImportFields()
{
    QVector<ImportField> all;
    for (int i = 0; i < int(ImportField::Count); ++i)
        all << ImportField(i);
    return all;
}

ImportMapping DefaultImportMapping(const CImportTable &table)
{
    ImportMapping mapping;
    for (const QString &column : table.columns) {
        ImportField field = ImportField::None;
        switch (table.format) {
        case ImportFormat::Goodreads:
            field = known(kGoodreads, column);
            break;
        case ImportFormat::LibraryThing:
            field = known(kLibraryThing, column);
            break;
        case ImportFormat::TellicoZip:
        case ImportFormat::TellicoXml:
            field = known(kTellico, column);
            break;
        default:
            field = byName(column);
            break;
        }
        mapping << field;
    }
    return mapping;
}

ImportMapping RememberedImportMapping(const CImportTable &table)
{
    ImportMapping mapping = DefaultImportMapping(table);
    CRegistryKey key;
    if (!key.SetKey(settingsKey(table), false))
        return mapping;
    const QJsonObject saved =
        QJsonDocument::fromJson(key.ReadString(QStringLiteral("Mapping"), QString()).toUtf8()).object();
    for (int i = 0; i < table.columns.size(); ++i) {
        const QJsonValue v = saved.value(table.columns.at(i));
        if (v.isString())
            mapping[i] = v.toString().isEmpty() ? ImportField::None : ImportFieldFromName(v.toString());
    }
    return mapping;
}

void RememberImportMapping(const CImportTable &table, const ImportMapping &mapping)
{
    CRegistryKey key;
    if (!key.SetKey(settingsKey(table), true))
        return;
    QJsonObject saved =
        QJsonDocument::fromJson(key.ReadString(QStringLiteral("Mapping"), QString()).toUtf8()).object();
    for (int i = 0; i < table.columns.size() && i < mapping.size(); ++i)
        saved.insert(table.columns.at(i), ImportFieldName(mapping.at(i)));
    key.WriteString(QStringLiteral("Mapping"),
                    QString::fromUtf8(QJsonDocument(saved).toJson(QJsonDocument::Compact)));
}
