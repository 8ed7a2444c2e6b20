#pragma once

#include <QString>

// The application folder: the folder that holds Styles/, Languages/ and
// ordo.dbt, always ending in "/". Set once at start-up (tests set their own).
QString AppFolder();
void SetAppFolder(const QString &folder);

// Finds the application folder for an executable in exeDir: exeDir itself
// when it holds ordo.dbt (the build tree), else <prefix>/share/ordoteca.
QString LocateAppFolder(const QString &exeDir);

// The interface-language code of this run ("Enu" for the built-in English).
QString UILanguageCode();
void SetUILanguageCode(const QString &code);
