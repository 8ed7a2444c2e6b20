#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads delimiter-separated text: fields in double quotes may hold the
// delimiter, line breaks and doubled quotes; rows end in LF, CRLF or CR.
class CCsvParser
{
public:
    // The delimiter among comma, semicolon, tab and bar that splits the first
    // lines into the most, equally long, rows (outside quotes). Comma when
    // nothing fits better.
    static QChar DetectDelimiter(const QString &text);

    // Splits text into rows of fields. Blank lines are skipped. False with
    // error set when a quoted field never ends. rowLines (when given) gets
    // the line each row starts on, from 1.
    static bool Parse(const QString &text, QChar delimiter, QVector<QStringList> &rows, QString &error,
                      QVector<int> *rowLines = nullptr);

    // One field as it goes into a file: quoted when it holds the delimiter, a
    // quote, a line break or leading/trailing blanks; quotes doubled.
    static QString Quote(const QString &field, QChar delimiter = QLatin1Char(','));
};

// A text that a spreadsheet would run as a formula (it starts with =, +, -,
// @, a tab or a carriage return and is not a number) gets an apostrophe in
// front, so that opening an exported file never runs what a book's fields
// say. UnguardCsvFormula takes it off again when such a file is imported.
QString GuardCsvFormula(const QString &text);
QString UnguardCsvFormula(const QString &text);
