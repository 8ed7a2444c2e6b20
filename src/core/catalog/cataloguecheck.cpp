#include "cataloguecheck.h"

#include "connection.h"
#include "coverfiles.h"
#include "orphanrows.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// A free name for file inside folder: "name", then "name (2)", ...
QString freeName(const QDir &folder, const QString &file)
{
    if (!folder.exists(file))
        return file;
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int i = 2;; ++i) {
        const QString candidate = info.completeBaseName() + QStringLiteral(" (%1)").arg(i) + suffix;
        if (!folder.exists(candidate))
            return candidate;
    }
}

} // namespace

QString CCatalogueCheck::LostCoversFolderName()
{
    return QStringLiteral("Lost covers");
}

bool CCatalogueCheck::Run(Connection &connection, const QString &imagesFolder)
{
    *this = CCatalogueCheck();

    QString sql = QStringLiteral("PRAGMA integrity_check");
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    for (; !rs.isEOF(); rs.moveNext()) {
        const QString line = rs.field(0).toString();
        if (line != QLatin1String("ok"))
            integrityProblems << line;
    }
    rs.close();

    sql = QStringLiteral("PRAGMA foreign_key_check");
    if (!OpenRecordset(rs, connection, sql))
        return false;
    for (; !rs.isEOF(); rs.moveNext())
        ++orphanRows;
    rs.close();

    QSet<QString> referenced;
    const QDir folder(imagesFolder);
    sql = QStringLiteral("SELECT BookID, FrontCover, BackCover, Title FROM book "
                         "WHERE COALESCE(FrontCover,'')<>'' OR COALESCE(BackCover,'')<>'' ORDER BY BookID");
    if (!OpenRecordset(rs, connection, sql))
        return false;
    for (; !rs.isEOF(); rs.moveNext()) {
        const BookId bookId = rs.field(0).toInt64();
        const QString title = rs.field(3).toString();
        for (int back = 0; back < 2; ++back) {
            const QString name = rs.field(1 + back).toString();
            if (name.isEmpty())
                continue;
            referenced.insert(name);
            // A name that is not a plain file name points outside the
            // folder: it is no cover of this catalogue.
            if (!CCoverFiles::IsPlainFileName(name) || !QFileInfo(folder.filePath(name)).isFile())
                missingCovers.append({bookId, name, back != 0, title});
        }
    }
    rs.close();

    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &file : files) {
        if (CCoverFiles::IsLeftover(file))
            leftoverFiles << file;
        else if (!referenced.contains(file))
            unreferencedPictures << file;
    }
    return true;
}

bool CCatalogueCheck::isClean() const
{
    return integrityProblems.isEmpty() && orphanRows == 0 && missingCovers.isEmpty() &&
           unreferencedPictures.isEmpty() && leftoverFiles.isEmpty();
}

bool CCatalogueCheck::canRepair() const
{
    return orphanRows > 0 || !missingCovers.isEmpty() || !unreferencedPictures.isEmpty() ||
           !leftoverFiles.isEmpty();
}

bool CCatalogueCheck::Repair(Connection &connection, const QString &imagesFolder)
{
    repaired = true;
    if (orphanRows > 0) {
        const int removed = RemoveOrphanRows(connection);
        if (removed < 0) {
            ShowDbError(QStringLiteral("PRAGMA foreign_key_check"), connection.lastError());
            return false;
        }
        orphanRowsRemoved = removed;
    }

    if (!missingCovers.isEmpty()) {
        Transaction transaction(connection);
        for (const MissingCover &m : std::as_const(missingCovers)) {
            const QString sql =
                QStringLiteral("UPDATE book SET %1=NULL WHERE BookID=%2 AND %1=%3 COLLATE BINARY")
                    .arg(QLatin1String(m.back ? "BackCover" : "FrontCover"))
                    .arg(m.bookId)
                    .arg(FormatSqlValue(m.name, SqlText));
            if (!ExecuteSql(sql, true, connection))
                return false;
        }
        DbError error;
        if (!transaction.commit(&error)) {
            ShowDbError(QStringLiteral("COMMIT"), error);
            return false;
        }
        coverNamesCleared = int(missingCovers.size());
    }

    QDir folder(imagesFolder);
    for (const QString &file : std::as_const(leftoverFiles)) {
        if (QFile::remove(folder.filePath(file)))
            ++leftoversRemoved;
    }
    if (!unreferencedPictures.isEmpty()) {
        if (!folder.exists(LostCoversFolderName()) && !folder.mkdir(LostCoversFolderName()))
            return false;
        const QDir lost(folder.filePath(LostCoversFolderName()));
        for (const QString &file : std::as_const(unreferencedPictures)) {
            if (QFile::rename(folder.filePath(file), lost.filePath(freeName(lost, file))))
                ++picturesMoved;
        }
    }
    return true;
}

QString CCatalogueCheck::ReportText() const
{
    QStringList lines;
    if (integrityProblems.isEmpty())
        lines << QCoreApplication::translate("CCatalogueCheck", "The database file is intact.");
    else
        lines << QCoreApplication::translate("CCatalogueCheck", "The database file is damaged (%n problem(s)):", nullptr, int(integrityProblems.size()))
              << integrityProblems.mid(0, 10);
    if (orphanRows > 0)
        lines << QCoreApplication::translate("CCatalogueCheck", "%n row(s) belong to a book or category that no longer exists.", nullptr, orphanRows);
    // Books are named as the user knows them, by title; the id tells apart
    // two copies of one title.
    for (const MissingCover &m : missingCovers)
        lines << (m.title.trimmed().isEmpty()
                      ? QCoreApplication::translate("CCatalogueCheck", "Book %1 (untitled): the cover picture %2 is missing.")
                            .arg(m.bookId)
                            .arg(m.name)
                      : QCoreApplication::translate("CCatalogueCheck", "\u201c%1\u201d (book %2): the cover picture %3 is missing.")
                            .arg(m.title.trimmed(), QString::number(m.bookId), m.name));
    if (!unreferencedPictures.isEmpty())
        lines << QCoreApplication::translate("CCatalogueCheck", "%n picture(s) in the images folder belong to no book:", nullptr, int(unreferencedPictures.size()))
              << unreferencedPictures.mid(0, 20);
    if (!leftoverFiles.isEmpty())
        lines << QCoreApplication::translate("CCatalogueCheck", "%n file(s) were left by an interrupted save.", nullptr, int(leftoverFiles.size()));
    if (isClean())
        lines << QCoreApplication::translate("CCatalogueCheck", "No problems were found.");
    if (repaired) {
        lines << QString();
        if (orphanRowsRemoved > 0)
            lines << QCoreApplication::translate("CCatalogueCheck", "Removed %n row(s).", nullptr, orphanRowsRemoved);
        if (coverNamesCleared > 0)
            lines << QCoreApplication::translate("CCatalogueCheck", "Cleared %n missing cover name(s).", nullptr, coverNamesCleared);
        if (picturesMoved > 0)
            lines
                << QCoreApplication::translate("CCatalogueCheck", "Moved %n picture(s) to the folder \"%1\".", nullptr, picturesMoved).arg(LostCoversFolderName());
        if (leftoversRemoved > 0)
            lines << QCoreApplication::translate("CCatalogueCheck", "Removed %n leftover file(s).", nullptr, leftoversRemoved);
        if (!integrityProblems.isEmpty())
            lines << QCoreApplication::translate("CCatalogueCheck", "A damaged database file cannot be repaired here; restore a backup.");
    }
    return lines.join(QLatin1Char('\n'));
}
