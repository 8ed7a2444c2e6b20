#include "recentfilelist.h"

#include "registrykey.h"

#include "catalog/serveraddress.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString valueName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(int maxEntries) : m_maxEntries(qMax(1, maxEntries)) {}

QString CRecentFileList::keyPath()
{
    return QStringLiteral("Software\\Quenlow\\Ordo\\Recent File List");
}

QString CRecentFileList::normalised(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    // A server address is no path: made absolute it would name a folder.
    if (ServerAddress::isServerAddress(path))
        return path.trimmed();
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

int CRecentFileList::indexOf(const QString &path) const
{
    return int(m_entries.indexOf(path));
}

void CRecentFileList::ReadList()
{
    m_entries.clear();
    CRegistryKey key;
    if (!key.SetKey(keyPath(), false))
        return;
    for (int i = 0; i < m_maxEntries; ++i) {
        const QString path = normalised(key.ReadString(valueName(i), QString()));
        if (!path.isEmpty() && indexOf(path) < 0)
            m_entries << path;
    }
}

bool CRecentFileList::WriteList() const
{
    CRegistryKey key;
    if (!key.SetKey(keyPath(), true))
        return false;
    bool ok = true;
    // Unused slots are blanked so an older, longer list leaves nothing behind.
    for (int i = 0; i < m_maxEntries; ++i)
        ok = key.WriteString(valueName(i), m_entries.value(i)) && ok;
    return ok;
}

void CRecentFileList::Add(const QString &path)
{
    const QString entry = normalised(path);
    if (entry.isEmpty())
        return;
    const int at = indexOf(entry);
    if (at >= 0)
        m_entries.removeAt(at);
    m_entries.prepend(entry);
    while (m_entries.size() > m_maxEntries)
        m_entries.removeLast();
    WriteList();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries.removeAt(index);
    WriteList();
}

bool CRecentFileList::Remove(const QString &path)
{
    const int at = indexOf(normalised(path));
    if (at < 0)
        return false;
    Remove(at);
    return true;
}
