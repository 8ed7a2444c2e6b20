#include "cataloguebackup.h"

#include "app/registrykey.h"
#include "connection.h"
#include "coverfiles.h"
#include "fileutil.h"
#include "imagesfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>
#include <sqlite3.h>

namespace {

const QString kKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Backup");
const QLatin1String kPartSuffix(".part");
constexpr int kPagesPerStep = 256;
constexpr int kMaxRestarts = 3;

int readSetting(const char *name, int fallback)
{
    CRegistryKey key;
    if (!key.SetKey(kKey, false))
        return fallback;
    return key.ReadInt(QLatin1String(name), fallback);
}

void writeSetting(const char *name, int value)
{
    CRegistryKey key;
    if (key.SetKey(kKey, true))
        key.WriteInt(QLatin1String(name), value);
}

QString baseName(const QString &catalogPath)
{
    QString name = QFileInfo(catalogPath).fileName();
    if (name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

void setError(QString *out, const QString &text)
{
    if (out)
        *out = text;
}

// Copies database from into to, page batch by page batch. Between batches
// the source is free for writers; a write through another connection makes
// the engine start the copy again, so the result is always one consistent
// state. Saves that keep coming would restart it for ever: after a few
// restarts the rest is copied in one step (writers wait for that moment).
bool copyDatabase(sqlite3 *to, sqlite3 *from, QString *error)
{
    sqlite3_backup *backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        setError(error, QString::fromUtf8(sqlite3_errmsg(to)));
        return false;
    }
    int rc = SQLITE_OK;
    int restarts = 0;
    int lastRemaining = -1;
    do {
        rc = sqlite3_backup_step(backup, restarts < kMaxRestarts ? kPagesPerStep : -1);
        const int remaining = sqlite3_backup_remaining(backup);
        if (lastRemaining >= 0 && remaining > lastRemaining)
            ++restarts;
        lastRemaining = remaining;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            QThread::msleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        setError(error, QString::fromUtf8(sqlite3_errstr(rc)));
        return false;
    }
    return true;
}

// The picture files the books of a catalogue file name (plain names only:
// a name with a path in it was never one of the images folder's).
QStringList pictureNames(sqlite3 *db)
{
    QStringList names;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT FrontCover FROM book WHERE FrontCover<>'' UNION "
                           "SELECT BackCover FROM book WHERE BackCover<>''",
                           -1, &stmt, nullptr) != SQLITE_OK)
        return names;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        if (CCoverFiles::IsPlainFileName(name))
            names << name;
    }
    sqlite3_finalize(stmt);
    return names;
}

// The pictures of names from imagesFolder into folder; a picture the
// catalogue names but does not have is simply not there either.
bool copyPictures(const QStringList &names, const QString &imagesFolder, const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot create the folder %1.")
                            .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    for (const QString &name : names) {
        const QString source = imagesFolder + QLatin1Char('/') + name;
        if (!QFileInfo(source).isFile())
            continue;
        if (!LinkOrCopyFile(source, folder + QLatin1Char('/') + name)) {
            setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot write %1.")
                                .arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + name)));
            return false;
        }
    }
    return true;
}

void removeBackup(const QString &path)
{
    QFile::remove(path);
    QDir(CCatalogueBackup::PicturesFolder(path)).removeRecursively();
}

sqlite3 *openFile(const QString &path, int flags, QString *error)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr) != SQLITE_OK) {
        setError(error, QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 3000);
    return db;
}

} // namespace

int CCatalogueBackup::IntervalDays()
{
    return qMax(0, readSetting("IntervalDays", 1));
}

int CCatalogueBackup::KeepCount()
{
    return qMax(1, readSetting("Keep", 5));
}

void CCatalogueBackup::SetIntervalDays(int days)
{
    writeSetting("IntervalDays", days);
}

void CCatalogueBackup::SetKeepCount(int count)
{
    writeSetting("Keep", count);
}

QString CCatalogueBackup::BackupFolder(const QString &catalogPath)
{
    const QFileInfo info(catalogPath);
    return info.absolutePath() + QLatin1Char('/') + baseName(catalogPath) + QLatin1String("_backups");
}

QStringList CCatalogueBackup::List(const QString &catalogPath)
{
    const QDir folder(BackupFolder(catalogPath));
    const QString pattern = baseName(catalogPath) + QLatin1String(" *.mdb");
    QStringList paths;
    // The date in the name sorts them; newest first.
    for (const QString &name : folder.entryList({pattern}, QDir::Files, QDir::Name | QDir::Reversed))
        paths << folder.filePath(name);
    return paths;
}

bool CCatalogueBackup::IsDue(const QString &catalogPath, const QDateTime &now)
{
    const int days = IntervalDays();
    if (days <= 0)
        return false;
    const QStringList backups = List(catalogPath);
    if (backups.isEmpty())
        return true;
    return QFileInfo(backups.first()).lastModified().secsTo(now) >= qint64(days) * 24 * 3600;
}

QString CCatalogueBackup::PicturesFolder(const QString &backupPath)
{
    QString path = backupPath;
    if (path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        path.chop(4);
    return path + QLatin1String("_images");
}

void CCatalogueBackup::CleanUp(const QString &catalogPath)
{
    const QDir folder(BackupFolder(catalogPath));
    if (!folder.exists())
        return;
    const QString prefix = baseName(catalogPath) + QLatin1Char(' ');
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString name = entry.fileName();
        if (!name.startsWith(prefix))
            continue;
        bool leftover = name.endsWith(kPartSuffix);
        // Pictures whose backup never got its name (or was removed by hand).
        if (!leftover && entry.isDir() && name.endsWith(QLatin1String("_images")))
            leftover = !QFileInfo::exists(folder.filePath(name.chopped(7) + QLatin1String(".mdb")));
        if (!leftover)
            continue;
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

bool CCatalogueBackup::Make(const QString &catalogPath, QString *error, const QDateTime &now, const QString &keep)
{
    const QString folderPath = BackupFolder(catalogPath);
    if (!QDir().mkpath(folderPath)) {
        setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot create the folder %1.").arg(QDir::toNativeSeparators(folderPath)));
        return false;
    }
    CleanUp(catalogPath);
    const QDir folder(folderPath);
    // A backup made within the same second as another takes the next free
    // second: it must neither replace that one nor sort before it.
    QDateTime when = now;
    QString target;
    for (;;) {
        target = folder.filePath(baseName(catalogPath) + QLatin1Char(' ') +
                                 when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + QLatin1String(".mdb"));
        if (!QFileInfo::exists(target) && !QFileInfo::exists(PicturesFolder(target)))
            break;
        when = when.addSecs(1);
    }
    // Written under other names first: a half-made backup never shows in
    // the list, nor replaces a good one.
    const QString part = target + kPartSuffix;
    const QString picturesPart = PicturesFolder(target) + kPartSuffix;

    sqlite3 *from = openFile(catalogPath, SQLITE_OPEN_READONLY, error);
    if (!from)
        return false;
    sqlite3 *to = openFile(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    bool ok = to && copyDatabase(to, from, error);
    // The pictures of the copied state, not of whatever the catalogue holds
    // by now.
    const QStringList names = ok ? pictureNames(to) : QStringList();
    sqlite3_close_v2(to);
    sqlite3_close_v2(from);
    ok = ok && copyPictures(names, ImagesFolderForCatalog(catalogPath), picturesPart, error);
    if (ok && !QDir().rename(picturesPart, PicturesFolder(target))) {
        ok = false;
        setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot write %1.").arg(QDir::toNativeSeparators(PicturesFolder(target))));
    }
    if (ok) {
        ok = QFile::rename(part, target);
        if (!ok)
            setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot write %1.").arg(QDir::toNativeSeparators(target)));
    }
    if (!ok) {
        QFile::remove(part);
        QDir(picturesPart).removeRecursively();
        QDir(PicturesFolder(target)).removeRecursively();
        return false;
    }

    const QString kept = keep.isEmpty() ? QString() : QFileInfo(keep).absoluteFilePath();
    const QStringList backups = List(catalogPath);
    for (int i = KeepCount(); i < backups.size(); ++i) {
        if (QFileInfo(backups.at(i)).absoluteFilePath() != kept)
            removeBackup(backups.at(i));
    }
    return true;
}

bool CCatalogueBackup::Restore(Connection &connection, const QString &backupPath, QString *error)
{
    if (connection.inTransaction()) {
        setError(error, QCoreApplication::translate("CCatalogueBackup", "The catalogue is busy."));
        return false;
    }
    sqlite3 *from = openFile(backupPath, SQLITE_OPEN_READONLY, error);
    if (!from)
        return false;
    // Is it a catalogue at all? A broken backup must not replace anything.
    sqlite3_stmt *stmt = nullptr;
    bool valid = sqlite3_prepare_v2(from, "PRAGMA quick_check", -1, &stmt, nullptr) == SQLITE_OK &&
                 sqlite3_step(stmt) == SQLITE_ROW &&
                 qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), "ok") == 0;
    sqlite3_finalize(stmt);
    stmt = nullptr;
    valid = valid &&
            sqlite3_prepare_v2(from,
                               "SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name IN "
                               "('book','category','book_category','link')",
                               -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 4;
    sqlite3_finalize(stmt);
    if (!valid) {
        sqlite3_close_v2(from);
        setError(error, QCoreApplication::translate("CCatalogueBackup", "%1 is not a usable catalogue backup.").arg(QDir::toNativeSeparators(backupPath)));
        return false;
    }
    // The state being replaced is kept as a backup of its own; the one
    // being restored is never the oldest to go.
    if (!Make(connection.path(), error, QDateTime::currentDateTime(), backupPath)) {
        sqlite3_close_v2(from);
        return false;
    }
    // The backup's pictures wait beside their places under names the next
    // open cleans away, so that a failure changes nothing.
    const QString images = ImagesFolderForCatalog(connection.path());
    const QString pictures = PicturesFolder(backupPath);
    const auto stagedPath = [&images](const QString &name) {
        return images + QLatin1String("/.") + name + QLatin1String(".saving");
    };
    QStringList staged;
    bool ok = QDir().mkpath(images);
    // Hidden names (a save's leftovers) are not listed.
    for (const QString &name : QDir(pictures).entryList(QDir::Files)) {
        if (!ok)
            break;
        ok = LinkOrCopyFile(pictures + QLatin1Char('/') + name, stagedPath(name));
        if (ok)
            staged << name;
        else
            setError(error, QCoreApplication::translate("CCatalogueBackup", "Cannot write %1.").arg(QDir::toNativeSeparators(images + QLatin1Char('/') + name)));
    }
    ok = ok && copyDatabase(connection.handle(), from, error);
    sqlite3_close_v2(from);
    connection.restoreProgramSettings();
    for (const QString &name : std::as_const(staged)) {
        if (!ok) {
            QFile::remove(stagedPath(name));
            continue;
        }
        // rename() replaces the file in one step; QFile::rename would refuse.
        ::rename(QFile::encodeName(stagedPath(name)).constData(),
                 QFile::encodeName(images + QLatin1Char('/') + name).constData());
    }
    if (!ok)
        return false;
    return true;
}
