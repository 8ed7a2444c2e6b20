#pragma once

#include <QString>

// Per-user settings, kept in the INI file of QSettings (organisation
// "Quenlow", application "Ordo"). A key path such as
// "Software\Quenlow\Ordo\Settings\Default" names the group "Settings/Default".
// Integers are stored as exactly 4 little-endian bytes.
class CRegistryKey
{
public:
    enum ValueType { None = 0, String = 1, Binary = 3 };

    // Selects the key; with create false a key that does not exist is refused
    // and the current key stays as it was. An empty path selects no key.
    bool SetKey(const QString &subkey, bool create);
    QString ReadString(const QString &name, const QString &defaultValue) const;
    // Up to 4 bytes of a binary value, or a plain integer written by hand;
    // anything longer or unreadable gives the default.
    int ReadInt(const QString &name, int defaultValue) const;
    bool WriteString(const QString &name, const QString &value);
    bool WriteInt(const QString &name, int value);
    ValueType GetValueType(const QString &name) const;

    QString currentKey() const { return m_subkey; }
    int lastResult() const { return m_result; }

    // The group a key path maps to ("Settings/Default").
    static QString groupOf(const QString &subkey);

private:
    QString valueKey(const QString &name) const;

    QString m_subkey;
    int m_result = 0;
};
