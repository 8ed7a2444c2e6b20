#include "tellicowriter.h"

#include "categorypath.h"
#include "tellicobinding.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QXmlStreamWriter>

namespace {

// Our fields under their Tellico element names; multi = several values.
struct TellicoField
{
    ImportField field;
    const char *name;
    bool multi;
};

const TellicoField kFields[] = {
    {ImportField::Title, "title", false},
    {ImportField::Subtitle, "subtitle", false},
    {ImportField::Author, "author", true},
    {ImportField::URL, "url", false},
    {ImportField::Edition, "edition", false},
    {ImportField::ReleaseDate, "release-date", false},
    {ImportField::DateAdded, "cdate", false},
    {ImportField::Publisher, "publisher", false},
    {ImportField::ISBN, "isbn", false},
    {ImportField::PageCount, "pages", false},
    {ImportField::Language, "language", true},
    {ImportField::Binding, "binding", false},
    {ImportField::Dimension, "dimension", false},
    {ImportField::Extras, "extras", false},
    {ImportField::PurchaseDate, "pur_date", false},
    {ImportField::Store, "store", false},
    {ImportField::PurchasePrice, "pur_price", false},
    {ImportField::ListPrice, "list-price", false},
    {ImportField::AmazonPrice, "online-price", false},
    {ImportField::Location, "location", false},
    {ImportField::Status, "status", false},
    {ImportField::CurrentPage, "current-page", false},
    {ImportField::AmazonRating, "average-rating", false},
    {ImportField::NumOfReviews, "reviews", false},
    {ImportField::MyRating, "rating", false},
    {ImportField::UserText1, "user-text1", false},
    {ImportField::UserText2, "user-text2", false},
    {ImportField::EBookOnly, "ebook", false},
    {ImportField::Format, "format", false},
    {ImportField::BookSize, "book-size", false},
    {ImportField::Description, "plot", false},
    {ImportField::Notes, "comments", false},
    {ImportField::Series, "series", false},
    {ImportField::SeriesNumber, "series_num", false},
};

// Fields a Tellico book collection does not have by itself:
// name, title, type (1 line, 2 paragraph, 4 bool, 6 number, 7 URL, 8 table,
// 10 image, 12 date), flags (1 several values, 2 grouped).
struct ExtraField
{
    const char *name;
    const char *title;
    int type;
    int flags;
};

const ExtraField kExtraFields[] = {
    {"url", "URL", 7, 0},
    {"release-date", "Release Date", 12, 0},
    {"dimension", "Dimensions", 1, 0},
    {"extras", "Extras", 1, 2},
    {"store", "Store", 1, 2},
    {"list-price", "List Price", 1, 0},
    {"online-price", "Online Price", 1, 0},
    {"location", "Location", 1, 2},
    {"status", "Status", 1, 2},
    {"current-page", "Current Page", 6, 0},
    {"average-rating", "Average Rating", 1, 0},
    {"reviews", "Number of Reviews", 6, 0},
    {"user-text1", "User Text 1", 1, 0},
    {"user-text2", "User Text 2", 1, 0},
    {"ebook", "E-book Only", 4, 0},
    {"format", "Format", 1, 2},
    {"book-size", "Book Size", 1, 0},
    {"binding-text", "Binding (as written)", 1, 0},
    {"link", "Links", 8, 1},
    {"back-cover", "Back Cover", 10, 0},
};

QString imageFormat(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toUpper();
    if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG"))
        return QStringLiteral("JPEG");
    return ext.isEmpty() ? QStringLiteral("JPEG") : ext;
}

// Tellico groups and sorts by the year alone: any release date that has one
// gives it (2003-04-01, 1999-05, 1999, "Spring 2004").
QString publicationYear(const QString &date)
{
    const QDate d = QDate::fromString(date, Qt::ISODate);
    if (d.isValid())
        return QString::number(d.year());
    static const QRegularExpression year(QStringLiteral("(?<![0-9])([0-9]{4})(?![0-9])"));
    return year.match(date).captured(1);
}

// Several values of a field. Authors are kept apart by " / " in the
// catalogue and by "; " in older data; other fields by "; ".
QStringList splitValues(const QString &text, ImportField field)
{
    static const QRegularExpression authors(QStringLiteral(" / |; "));
    QStringList parts = field == ImportField::Author ? text.split(authors) : text.split(QLatin1String("; "));
    for (QString &p : parts)
        p = p.trimmed();
    parts.removeAll(QString());
    return parts;
}

// Tellico keeps a date field as its parts; text that is no full date stays
// text (our import reads it back; Tellico shows what it can).
void writeDate(QXmlStreamWriter &w, const QString &name, const QString &value)
{
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid()) {
        w.writeTextElement(name, value);
        return;
    }
    w.writeStartElement(name);
    w.writeTextElement(QStringLiteral("year"), QString::number(date.year()));
    w.writeTextElement(QStringLiteral("month"), QString::number(date.month()));
    w.writeTextElement(QStringLiteral("day"), QString::number(date.day()));
    w.writeEndElement();
}

// The books lent out, as Tellico keeps them: each borrower once, with a loan
// per book naming the entry. Ids are made from the names, so that the same
// catalogue always gives the same file.
void writeBorrowers(QXmlStreamWriter &w, const QVector<CExportBook> &books)
{
    QStringList names;
    QHash<QString, QVector<const CExportBook *>> loans;
    for (const CExportBook &book : books) {
        const QString &name = book.value(ImportField::Borrower);
        if (name.isEmpty())
            continue;
        if (!loans.contains(name))
            names << name;
        loans[name] << &book;
    }
    if (names.isEmpty())
        return;
    const auto uid = [](const QString &text) {
        return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
    };
    w.writeStartElement(QStringLiteral("borrowers"));
    for (const QString &name : std::as_const(names)) {
        w.writeStartElement(QStringLiteral("borrower"));
        w.writeAttribute(QStringLiteral("name"), name);
        w.writeAttribute(QStringLiteral("uid"), uid(QStringLiteral("borrower:") + name));
        for (const CExportBook *book : loans.value(name)) {
            w.writeStartElement(QStringLiteral("loan"));
            w.writeAttribute(QStringLiteral("uid"), uid(QStringLiteral("loan:%1").arg(book->bookId)));
            w.writeAttribute(QStringLiteral("entryRef"), QString::number(book->bookId));
            w.writeAttribute(QStringLiteral("loanDate"), book->value(ImportField::LoanDate));
            if (!book->value(ImportField::DueDate).isEmpty())
                w.writeAttribute(QStringLiteral("dueDate"), book->value(ImportField::DueDate));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
}

void writeReadings(QXmlStreamWriter &w, const CReadingLog &log)
{
    if (CompletedReadings(log) > 0)
        w.writeTextElement(QStringLiteral("read"), QStringLiteral("true"));
    if (log.isEmpty())
        return;
    w.writeStartElement(QStringLiteral("readings"));
    for (const CReading &r : log) {
        w.writeStartElement(QStringLiteral("reading"));
        w.writeTextElement(QStringLiteral("column"), r.Started);
        w.writeTextElement(QStringLiteral("column"), r.Finished);
        w.writeTextElement(QStringLiteral("column"), r.Completed ? QStringLiteral("true") : QString());
        w.writeTextElement(QStringLiteral("column"), r.Notes);
        w.writeEndElement();
    }
    w.writeEndElement();
}

} // namespace

QByteArray CTellicoWriter::Build(const QVector<CExportBook> &books, const QString &imagesFolder,
                                 QHash<QString, QString> &images)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE tellico PUBLIC '-//Robby Stephenson/DTD Tellico V11.0//EN' "
                              "'http://periapsis.org/tellico/dtd/v11/tellico.dtd'>"));
    w.writeStartElement(QStringLiteral("tellico"));
    w.writeDefaultNamespace(QStringLiteral("http://periapsis.org/tellico/"));
    w.writeAttribute(QStringLiteral("syntaxVersion"), QStringLiteral("11"));
    w.writeStartElement(QStringLiteral("collection"));
    w.writeAttribute(QStringLiteral("title"), QCoreApplication::translate("Export", "My Books"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("2"));

    w.writeStartElement(QStringLiteral("fields"));
    w.writeEmptyElement(QStringLiteral("field"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("_default"));
    for (const ExtraField &f : kExtraFields) {
        w.writeStartElement(QStringLiteral("field"));
        w.writeAttribute(QStringLiteral("name"), QLatin1String(f.name));
        w.writeAttribute(QStringLiteral("title"), QLatin1String(f.title));
        w.writeAttribute(QStringLiteral("type"), QString::number(f.type));
        w.writeAttribute(QStringLiteral("flags"), QString::number(f.flags));
        w.writeAttribute(QStringLiteral("category"), QStringLiteral("Ordoteca"));
        if (f.type == 8) {
            w.writeStartElement(QStringLiteral("prop"));
            w.writeAttribute(QStringLiteral("name"), QStringLiteral("columns"));
            w.writeCharacters(QStringLiteral("3"));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    // The reading log as a table of its own; Tellico's "read" says only
    // whether the book was read.
    w.writeStartElement(QStringLiteral("field"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("reading"));
    w.writeAttribute(QStringLiteral("title"), QStringLiteral("Readings"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("8"));
    w.writeAttribute(QStringLiteral("flags"), QStringLiteral("1"));
    w.writeAttribute(QStringLiteral("category"), QStringLiteral("Ordoteca"));
    w.writeStartElement(QStringLiteral("prop"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("columns"));
    w.writeCharacters(QStringLiteral("4"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement(); // fields

    QStringList imageIds;
    for (const CExportBook &book : books) {
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(book.bookId));
        for (const TellicoField &f : kFields) {
            const QString &v = book.value(f.field);
            if (v.isEmpty() || (f.field == ImportField::EBookOnly && v == QLatin1String("No")))
                continue;
            const QString name = QLatin1String(f.name);
            if (f.multi) {
                const QStringList parts = splitValues(v, f.field);
                if (parts.isEmpty())
                    continue;
                w.writeStartElement(name + QLatin1Char('s'));
                for (const QString &part : parts)
                    w.writeTextElement(name, part);
                w.writeEndElement();
            } else if (f.field == ImportField::EBookOnly) {
                w.writeTextElement(name, QStringLiteral("true"));
            } else if (f.field == ImportField::Binding) {
                // Tellico knows a few bindings only; the wording as the
                // catalogue has it goes along whenever it differs, so that
                // importing the file gives it back exactly.
                const QString binding = TellicoBinding(v);
                if (!binding.isEmpty())
                    w.writeTextElement(name, binding);
                if (binding != v)
                    w.writeTextElement(QStringLiteral("binding-text"), v);
            } else if (f.field == ImportField::ReleaseDate || f.field == ImportField::DateAdded) {
                writeDate(w, name, v);
            } else {
                w.writeTextElement(name, v);
            }
            if (f.field == ImportField::ReleaseDate) {
                const QString year = publicationYear(v);
                if (!year.isEmpty())
                    w.writeTextElement(QStringLiteral("pub_year"), year);
            }
        }
        if (!book.value(ImportField::Borrower).isEmpty())
            w.writeTextElement(QStringLiteral("loaned"), QStringLiteral("true"));
        // Tellico users look for shelves among the keywords.
        if (!book.categories.isEmpty()) {
            w.writeStartElement(QStringLiteral("keywords"));
            for (const QStringList &path : book.categories)
                w.writeTextElement(QStringLiteral("keyword"), JoinCategoryPath(path));
            w.writeEndElement();
        }
        if (!book.links.isEmpty()) {
            w.writeStartElement(QStringLiteral("links"));
            for (const CLinkEntry &link : book.links) {
                w.writeStartElement(QStringLiteral("link"));
                w.writeTextElement(QStringLiteral("column"), link.Name);
                w.writeTextElement(QStringLiteral("column"), link.Path);
                w.writeTextElement(QStringLiteral("column"), link.Notes);
                w.writeEndElement();
            }
            w.writeEndElement();
        }
        writeReadings(w, book.readings);
        const struct
        {
            ImportField field;
            const char *element;
        } covers[] = {{ImportField::FrontCover, "cover"}, {ImportField::BackCover, "back-cover"}};
        for (const auto &c : covers) {
            const QString &file = book.value(c.field);
            if (file.isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
                continue;
            const QString path = imagesFolder + QLatin1Char('/') + file;
            if (!QFileInfo(path).isFile())
                continue;
            images.insert(file, path);
            if (!imageIds.contains(file))
                imageIds << file;
            w.writeTextElement(QLatin1String(c.element), file);
        }
        w.writeEndElement(); // entry
    }

    writeBorrowers(w, books);

    if (!imageIds.isEmpty()) {
        w.writeStartElement(QStringLiteral("images"));
        for (const QString &id : std::as_const(imageIds)) {
            w.writeEmptyElement(QStringLiteral("image"));
            w.writeAttribute(QStringLiteral("id"), id);
            w.writeAttribute(QStringLiteral("format"), imageFormat(id));
        }
        w.writeEndElement();
    }
    w.writeEndElement(); // collection
    w.writeEndElement(); // tellico
    w.writeEndDocument();
    return xml;
}
