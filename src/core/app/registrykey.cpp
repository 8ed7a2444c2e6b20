#include "registrykey.h"

#include <QSettings>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <limits>

namespace {

QSettings openSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quenlow"),
                     QStringLiteral("Ordo"));
}

const QString kProgramKey = QStringLiteral("Software/Quenlow/Ordo");

} // namespace

QString CRegistryKey::groupOf(const QString &subkey)
{
    QString path = subkey;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.compare(kProgramKey, Qt::CaseInsensitive) == 0)
        return {};
    if (path.startsWith(kProgramKey + QLatin1Char('/'), Qt::CaseInsensitive))
        return path.mid(kProgramKey.size() + 1);
    return path;
}

bool CRegistryKey::SetKey(const QString &subkey, bool create)
{
    if (subkey.isEmpty()) {
        m_subkey.clear();
        m_result = 0;
        return true;
    }
    const QString group = groupOf(subkey);
    if (!create && !group.isEmpty()) {
        QSettings s = openSettings();
        // A group exists when something is stored under it.
        bool exists = false;
        for (const QString &k : s.allKeys()) {
            if (k.startsWith(group + QLatin1Char('/'), Qt::CaseInsensitive)) {
                exists = true;
                break;
            }
        }
        if (!exists) {
            m_result = 2; // not found
            return false;
        }
    }
    m_subkey = subkey;
    m_result = 0;
    return true;
}

QString CRegistryKey::valueKey(const QString &name) const
{
    const QString group = groupOf(m_subkey);
    // The unnamed (default) value of a key is stored as "Default".
    const QString value = name.isEmpty() ? QStringLiteral("Default") : name;
    return group.isEmpty() ? value : group + QLatin1Char('/') + value;
}

CRegistryKey::ValueType CRegistryKey::GetValueType(const QString &name) const
{
    const QVariant v = openSettings().value(valueKey(name));
    if (!v.isValid())
        return None;
    return v.typeId() == QMetaType::QByteArray ? Binary : String;
}

QString CRegistryKey::ReadString(const QString &name, const QString &defaultValue) const
{
    const QVariant v = openSettings().value(valueKey(name));
    if (!v.isValid() || v.typeId() == QMetaType::QByteArray)
        return defaultValue;
    if (v.typeId() == QMetaType::QStringList) // an unquoted text with commas
        return v.toStringList().join(QLatin1String(", "));
    return v.toString();
}

int CRegistryKey::ReadInt(const QString &name, int defaultValue) const
{
    const QVariant v = openSettings().value(valueKey(name));
    if (!v.isValid())
        return defaultValue;
    if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = v.toByteArray();
        if (bytes.size() > 4)
            return defaultValue;
        char le[4] = {0, 0, 0, 0};
        std::copy(bytes.begin(), bytes.end(), le);
        return qFromLittleEndian<qint32>(le);
    }
    // A number typed into the file by hand: decimal, or hexadecimal with "0x"
    // (a leading zero is not octal). Values up to 0xFFFFFFFF keep their 32 bits,
    // as a DWORD written by another tool would.
    const QString text = v.toString().trimmed();
    bool ok = false;
    const qlonglong value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                ? text.mid(2).toLongLong(&ok, 16)
                                : text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<quint32>::max())
        return defaultValue;
    return qint32(quint32(value));
}

bool CRegistryKey::WriteString(const QString &name, const QString &value)
{
    QSettings s = openSettings();
    s.setValue(valueKey(name), value);
    s.sync();
    m_result = s.status() == QSettings::NoError ? 0 : 5;
    return m_result == 0;
}

bool CRegistryKey::WriteInt(const QString &name, int value)
{
    char le[4];
    qToLittleEndian<qint32>(value, le);
    QSettings s = openSettings();
    s.setValue(valueKey(name), QByteArray(le, 4));
    s.sync();
    m_result = s.status() == QSettings::NoError ? 0 : 5;
    return m_result == 0;
}
