#pragma once

#include <QString>
#include <QStringList>

// The most recently opened catalogues, newest first, kept in the settings as
// "File1".."File4" under "Software\Quenlow\Ordo\Recent File List". Every
// change is written at once, so the list survives a crash.
class CRecentFileList
{
public:
    static constexpr int kMaxEntries = 4;

    explicit CRecentFileList(int maxEntries = kMaxEntries);

    // Replaces the entries by those stored in the settings (blank and
    // repeated values are skipped).
    void ReadList();
    bool WriteList() const;

    // Puts path first; an entry for the same file moves up instead of
    // appearing twice, and the oldest entry drops off when the list is full.
    void Add(const QString &path);
    void Remove(int index);
    bool Remove(const QString &path);

    QStringList entries() const { return m_entries; }
    QString entry(int index) const { return m_entries.value(index); }
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int maxEntries() const { return m_maxEntries; }

    static QString keyPath();

private:
    static QString normalised(const QString &path);
    int indexOf(const QString &path) const;

    QStringList m_entries;
    int m_maxEntries = kMaxEntries;
};
