#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The values every new book starts with, kept under
// "Software\Quenlow\Ordo\Settings\Default". Lookup values are stored as
// names, not ids, so they stay meaningful across catalogues.
struct DefaultValues
{
    QString language;
    QString extras;
    QString store;
    QString location;
    QString userText1;
    QString userText2;
    QString format;
    QString status;
    bool ebookOnly = false;
    QDate purchaseDate; // null: no date
    // Each new book gets the day it is added instead of purchaseDate. Kept as
    // a value of its own ("PurchaseDateToday"), so settings written before it
    // existed read as before and "PurchaseDate" still holds a plain date.
    bool purchaseToday = false;
};

// Missing key or values read as empty texts, false and no date; a stored
// purchase date that cannot be read also gives no date.
DefaultValues ReadDefaultValues();
// Creates the key when missing. PurchaseDate is written "Jan 05, 2004" (English
// month names whatever the locale) or as the empty text; EbookOnly as 4 bytes.
void WriteDefaultValues(const DefaultValues &values);

// A stored purchase date: "Jan 05, 2004" as written by WriteDefaultValues, or
// a date in the user's locale (older settings). Null when empty or unreadable.
QDate ParsePurchaseDate(const QString &text);
// "Jan 05, 2004", or empty for a null or invalid date.
QString PurchaseDateText(const QDate &date);

// Interface-language codes offered by Options: "Enu" first, then the last
// three characters of the title of every Languages/*.qm file in appFolder
// (OrdoResChs.qm gives "Chs"), in name order, each code once.
QStringList FindLanguageCodes(const QString &appFolder);
// The name a code is listed under: its display name from the language table,
// or the code itself when the table has none.
QString LanguageListName(const QString &code);
// The code for a listed name: from the language table, or the name itself when
// it is a code listed under its own name; empty otherwise.
QString LanguageCodeForName(const QString &name);

// The template to use with another interface language: the current template's
// title without its last three characters followed by code, when the list
// holds exactly that title; otherwise the current index.
int TemplateIndexForLanguage(const QStringList &templates, int currentTemplate, const QString &code);

// Everything Options writes after OK: the default values, then "UILanguage"
// and "XSL" under "Software\Quenlow\Ordo\Settings". chosenLanguage is the name
// chosen on the User Interface page, nullopt when that page was never opened:
// the interface language and the template then stay as they are.
void SaveOptions(const DefaultValues &values, const std::optional<QString> &chosenLanguage,
                 const QStringList &templates, int currentTemplate);
