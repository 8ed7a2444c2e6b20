#pragma once

#include <QString>

// The English name of a language from the code a service gives: a MARC or
// ISO 639-2 code ("eng", "fre"/"fra", "/languages/ger"), an ISO 639-1 code
// ("en"), or a tag with a region ("zh-CN"). Empty for codes it does not know.
QString LanguageNameForCode(const QString &code);
