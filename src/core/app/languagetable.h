#pragma once

#include <QString>
#include <QStringList>

// The interface-language names: each code ("Enu", "Chs", "Cht", "Ita") with
// its display name in the current interface language, usable both ways.
// Filled once at start-up after the translation is loaded; the first lookup
// fills it when start-up has not (tests, tools).
void FillLanguageTable();

// The display name of a language code ("Enu" -> "English"); empty when unknown.
QString LanguageDisplayName(const QString &code);

// The code of a display name ("English" -> "Enu"); empty when unknown.
QString LanguageCodeOf(const QString &displayName);

// The codes the table knows, in table order.
QStringList KnownLanguageCodes();

// The language tag of an interface-language code for HTML ("Chs" -> "zh-CN");
// empty for a code the program does not know.
QString LanguageTag(const QString &code);
