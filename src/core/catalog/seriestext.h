#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A series named in a title or a series cell: the series and the book's
// number in it (empty when none is given).
struct CSeriesMention
{
    QString series;
    QString number;
};

// A title that ends in its series as Goodreads writes it: "The Colour of
// Magic (Discworld, #1)", "Mort (Discworld #4)", "Omnibus (Saga, #1-3)", and
// with several series "(Discworld, #1; Rincewind, #1)". Parentheses without a
// numbered series ("Python (Second Edition)", "Les Misérables (Tome 1)") are
// part of the title. The title comes back without the series part; others
// lists the series after the first.
struct CTitleSeries
{
    QString title;
    CSeriesMention series;
    QStringList others;
};
std::optional<CTitleSeries> SplitSeriesFromTitle(const QString &title);

// The series of a series cell or a catalogue's series statement: "Discworld
// (1)", "Discworld ; 1", "Discworld ; v. 1", "Discworld -- 1", "Discworld,
// #1", "Discworld #1" or a bare name. Several series (separated by "|" or,
// outside parentheses, by ";" followed by a name) give the first; the others
// are listed.
CSeriesMention ParseSeriesCell(const QString &cell, QStringList *others = nullptr);

// The series as a title suffix, the way SplitSeriesFromTitle reads it back:
// "Title (Series, #3)", or the title alone without a series.
QString TitleWithSeries(const QString &title, const CSeriesMention &series);

class CBookRecord;

// Gives the record the series of a lookup answer's series statement; a
// number the answer gives apart wins over one in the statement. An empty
// statement changes nothing.
void SetRecordSeries(CBookRecord &record, const QString &statement, const QString &number = QString());
