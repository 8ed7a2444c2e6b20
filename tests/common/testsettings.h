#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the per-user settings at a fresh temporary folder for the guard's
// lifetime, so tests never touch the real user's files.
class TestSettings
{
public:
    TestSettings()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    QString dir() const { return m_dir.path(); }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/Quenlow/Ordo.ini"); }

private:
    QTemporaryDir m_dir;
};
