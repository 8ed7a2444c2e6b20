#pragma once

#include "exportbook.h"
#include "exportscope.h"

#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

class Connection;
class QIODevice;

// Writes books of the catalogue to a file: CSV (UTF-8, RFC 4180, a header of
// field names), a Tellico .tc archive with the covers, or the book XML of the
// page. Files are written through QSaveFile: a failed or cancelled export
// leaves any earlier file of that name as it was.
class CCatalogExporter
{
public:
    enum Format { Csv, Tellico, BookXml };
    // done of total; false cancels.
    using Progress = std::function<bool(int done, int total)>;

    CCatalogExporter(Connection &connection, const QString &imagesFolder);

    // Reads the books of the scope. False with error after a database error.
    bool Collect(const CExportScope &scope, QString &error);
    const QVector<CExportBook> &books() const { return m_books; }

    // False with error (empty error: cancelled).
    bool Write(Format format, const QString &path, QString &error, const Progress &progress = {});

private:
    // coverFolder: the name of the folder beside the file that holds the
    // covers (see Write); covers names the ones copied there.
    bool writeCsv(QIODevice &device, QString &error, const Progress &progress, const QString &coverFolder,
                  const QSet<QString> &covers) const;
    bool copyCsvCovers(const QString &folder, QSet<QString> &covers, QString &error) const;
    bool writeBookXml(const QString &path, QString &error, const Progress &progress);

    Connection &m_connection;
    QString m_imagesFolder;
    QVector<CExportBook> m_books;
};
