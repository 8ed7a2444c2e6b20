#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Connection;

// Automatic backups of a catalogue: consistent copies made with the
// engine's online backup, kept as "<name>_backups/<name> <date>.mdb" beside
// the catalogue. Settings (Software\Quenlow\Ordo\Settings\Backup):
// "IntervalDays" (default 1, 0 = never) and "Keep" (default 5).
class CCatalogueBackup
{
public:
    static int IntervalDays();
    static int KeepCount();
    static void SetIntervalDays(int days);
    static void SetKeepCount(int count);

    static QString BackupFolder(const QString &catalogPath);
    // Backups of the catalogue, newest first (full paths).
    static QStringList List(const QString &catalogPath);
    // True when backups are on and the newest one is older than the interval.
    static bool IsDue(const QString &catalogPath, const QDateTime &now = QDateTime::currentDateTime());

    // Copies the catalogue into a new backup and removes the oldest ones
    // beyond KeepCount. Reads through a connection of its own, a few pages
    // at a time, so the program's saves go on meanwhile. Safe on any thread.
    // False with error set when no backup could be made.
    static bool Make(const QString &catalogPath, QString *error = nullptr,
                     const QDateTime &now = QDateTime::currentDateTime());

    // Replaces the contents of the open catalogue by backupPath (through the
    // same online backup, so the connection stays open). A backup of the
    // current contents is made first. False with error set on failure; the
    // catalogue is then unchanged.
    static bool Restore(Connection &connection, const QString &backupPath, QString *error = nullptr);
};
