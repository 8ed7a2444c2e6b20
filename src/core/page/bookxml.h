#pragma once

#include "catalog/bookid.h"

#include <QString>
#include <QVector>
#include <atomic>
#include <functional>

class Connection;

// The book XML document: the contract between the program and the XSL
// templates in Styles/, and the text Save As XML writes. Lines end in "\n".

// "<tag>value</tag>\n" with "&" and "<" escaped, or empty text for an empty
// value (the field is left out). Characters XML 1.0 forbids are dropped and
// the ">" of a "]]>" is written as "&gt;", so the document always parses.
QString MakeXmlElement(const QString &tag, const QString &value);

// The root's CreationDate text: the current local date and time in the
// user's locale.
QString BookXmlCreationDate();

// The document for the given books, one Book block each in the given order,
// every record loaded afresh from the catalogue. Cover elements hold
// imagesFolder + "/" + file name. A null creationDate means now (tests pass a
// fixed text).
QString BuildBookXml(const QVector<BookId> &bookIds, Connection &connection, const QString &imagesFolder,
                     const QString &creationDate = QString());

// For a build on a worker: cancel (when set) is polled between batches of
// books and ends the build with a null text; progress (when set) hears how
// many of the books are written.
struct BookXmlControl
{
    const std::atomic_bool *cancel = nullptr;
    std::function<void(int done, int total)> progress;
};
QString BuildBookXml(const QVector<BookId> &bookIds, Connection &connection, const QString &imagesFolder,
                     const QString &creationDate, const BookXmlControl &control);
