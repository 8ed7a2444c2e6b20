#include "languagecodes.h"

namespace {

struct Language
{
    const char *marc;        // MARC / ISO 639-2 bibliographic
    const char *terminology; // ISO 639-2 terminology code where it differs
    const char *iso1;        // ISO 639-1
    const char *name;
};

const Language kLanguages[] = {
    {"eng", "", "en", "English"},   {"fre", "fra", "fr", "French"}, {"ger", "deu", "de", "German"},
    {"spa", "", "es", "Spanish"},   {"ita", "", "it", "Italian"},   {"por", "", "pt", "Portuguese"},
    {"dut", "nld", "nl", "Dutch"},  {"rus", "", "ru", "Russian"},   {"chi", "zho", "zh", "Chinese"},
    {"jpn", "", "ja", "Japanese"},  {"kor", "", "ko", "Korean"},    {"gre", "ell", "el", "Greek"},
    {"lat", "", "la", "Latin"},     {"pol", "", "pl", "Polish"},    {"swe", "", "sv", "Swedish"},
    {"dan", "", "da", "Danish"},    {"nor", "", "no", "Norwegian"}, {"fin", "", "fi", "Finnish"},
    {"cze", "ces", "cs", "Czech"},  {"hun", "", "hu", "Hungarian"}, {"tur", "", "tr", "Turkish"},
    {"ara", "", "ar", "Arabic"},    {"heb", "", "he", "Hebrew"},    {"hin", "", "hi", "Hindi"},
    {"ukr", "", "uk", "Ukrainian"}, {"cat", "", "ca", "Catalan"},   {"rum", "ron", "ro", "Romanian"},
    {"bul", "", "bg", "Bulgarian"}, {"srp", "", "sr", "Serbian"},   {"hrv", "", "hr", "Croatian"},
};

} // namespace

QString LanguageNameForCode(const QString &code)
{
    // "/languages/eng" -> "eng"; "zh-CN" -> "zh".
    const QString c = code.section(QLatin1Char('/'), -1).section(QLatin1Char('-'), 0, 0).trimmed().toLower();
    if (c.isEmpty())
        return {};
    for (const Language &language : kLanguages) {
        if (c == QLatin1String(language.marc) || c == QLatin1String(language.iso1) ||
            (*language.terminology && c == QLatin1String(language.terminology)))
            return QString::fromLatin1(language.name);
    }
    return {};
}
