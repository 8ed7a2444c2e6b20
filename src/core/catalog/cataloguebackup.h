#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Connection;

// Automatic backups of a catalogue: consistent copies made with the
// engine's online backup, kept as "<name>_backups/<name> <date>.mdb" beside
// the catalogue, each with the cover pictures its books name in the folder
// "<name> <date>_images" next to it (hard links where the file system allows,
// so an unchanged picture costs no space twice). Settings
// (Software\Quenlow\Ordo\Settings\Backup): "IntervalDays" (default 1,
// 0 = never) and "Keep" (default 5).
class CCatalogueBackup
{
public:
    static int IntervalDays();
    static int KeepCount();
    static void SetIntervalDays(int days);
    static void SetKeepCount(int count);

    static QString BackupFolder(const QString &catalogPath);
    // The pictures folder of a backup file.
    static QString PicturesFolder(const QString &backupPath);
    // Backups of the catalogue, newest first (full paths).
    static QStringList List(const QString &catalogPath);
    // True when backups are on and the newest one is older than the interval.
    static bool IsDue(const QString &catalogPath, const QDateTime &now = QDateTime::currentDateTime());

    // Copies the catalogue and its pictures into a new backup (a name of its
    // own, even within the same second) and removes the oldest ones beyond
    // KeepCount, never the one named by keep. Reads through a connection of
    // its own, a few pages at a time, so the program's saves go on
    // meanwhile. Safe on any thread. False with error set when no backup
    // could be made.
    static bool Make(const QString &catalogPath, QString *error = nullptr,
                     const QDateTime &now = QDateTime::currentDateTime(), const QString &keep = QString());

    // Removes what a backup cut short left behind (".part" files and
    // folders, pictures folders without their backup).
    static void CleanUp(const QString &catalogPath);

    // Replaces the contents of the open catalogue by backupPath (through the
    // same online backup, so the connection stays open) and puts its
    // pictures back into the images folder. A backup of the current contents
    // is made first; backupPath itself is kept. False with error set on
    // failure; the catalogue is then unchanged.
    static bool Restore(Connection &connection, const QString &backupPath, QString *error = nullptr);
};
