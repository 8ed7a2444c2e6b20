#pragma once

// Reading the hand-written import samples and looking at what they left in
// a test catalogue.
#include "catalog/bookrecord.h"
#include "testcatalog.h"
#include "transfer/importreader.h"

#include <QString>
#include <QStringList>

inline QString sample(const char *name)
{
    return QStringLiteral(ORDO_TEST_DATADIR "/transfer/") + QLatin1String(name);
}

inline CImportTable readTable(const QString &path)
{
    CImportTable t;
    QString error;
    if (!CImportReader::Read(path, t, error))
        qFatal("cannot read %s: %s", qPrintable(path), qPrintable(error));
    return t;
}

inline CBookRecord loadByTitle(TestCatalog &cat, const QString &title)
{
    CBookRecord r;
    const int id = cat.count("SELECT BookID FROM book WHERE Title=" +
                             QString("'%1'").arg(QString(title).replace("'", "''")));
    if (!r.Load(id, cat.connection()))
        qFatal("cannot load %s", qPrintable(title));
    return r;
}

inline QStringList categoryNamesOf(TestCatalog &cat, int bookId)
{
    QStringList names;
    const int n = cat.count(QString("SELECT COUNT(*) FROM book_category WHERE BookID=%1").arg(bookId));
    for (int i = 0; i < n; ++i)
        names << cat.scalar(
            QString("SELECT c.Name FROM category c, book_category bc WHERE bc.CatID=c.CatID AND "
                    "bc.BookID=%1 ORDER BY c.Name LIMIT 1 OFFSET %2")
                .arg(bookId)
                .arg(i));
    return names;
}

