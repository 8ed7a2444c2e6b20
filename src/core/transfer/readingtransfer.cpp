#include "readingtransfer.h"

#include "catalog/sqlvalue.h"
#include "importedbook.h"
#include "catalog/seriestext.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

bool isIsoDay(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate).isValid();
}

// A day of a reading as stored: yyyy-mm-dd, or empty with the text kept in
// the note and a problem named.
QString readDay(const QString &text, CReading &reading, QStringList &problems)
{
    const QString day = NormalizeImportDate(text);
    if (day.isEmpty() || isIsoDay(day))
        return day;
    reading.Notes = reading.Notes.isEmpty() ? day : reading.Notes + QLatin1String("; ") + day;
    problems << QCoreApplication::translate("Import", "\"%1\" is not a date; kept as the reading's note.").arg(text);
    return QString();
}

bool jsonYes(const QJsonValue &v)
{
    if (v.isBool())
        return v.toBool();
    const QString t = v.toVariant().toString().trimmed().toLower();
    return t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes");
}

// How many readings a "times read" cell gives: a count, or yes/no.
std::optional<int> timesRead(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("y"))
        return 1;
    if (t.isEmpty() || t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("n"))
        return 0;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n < 0)
        return std::nullopt;
    return n;
}

void appendNote(QString &notes, const QString &text)
{
    notes = notes.isEmpty() ? text : notes + QLatin1String("<br>\n") + text;
}

} // namespace

QString ReadingLogJson(const CReadingLog &log)
{
    if (log.isEmpty())
        return QString();
    QJsonArray array;
    for (const CReading &r : log) {
        QJsonObject o;
        o.insert(QLatin1String("started"), CatalogDateToIso(r.Started));
        o.insert(QLatin1String("finished"), CatalogDateToIso(r.Finished));
        o.insert(QLatin1String("completed"), r.Completed);
        o.insert(QLatin1String("notes"), r.Notes);
        array.append(o);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

CReadingLog ParseReadingCell(const QString &cell, QStringList &problems)
{
    CReadingLog log;
    const QString text = cell.trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        if (doc.isArray()) {
            for (const QJsonValue &v : doc.array()) {
                CReading r;
                QString started, finished;
                if (v.isObject()) {
                    const QJsonObject o = v.toObject();
                    started = o.value(QLatin1String("started")).toString();
                    finished = o.value(QLatin1String("finished")).toString();
                    r.Completed = o.contains(QLatin1String("completed"))
                                      ? jsonYes(o.value(QLatin1String("completed")))
                                      : !finished.isEmpty();
                    r.Notes = o.value(QLatin1String("notes")).toString();
                } else if (v.isArray()) {
                    const QJsonArray a = v.toArray();
                    started = a.at(0).toString();
                    finished = a.at(1).toString();
                    r.Completed = a.size() > 2 ? jsonYes(a.at(2)) : !finished.isEmpty();
                    r.Notes = a.at(3).toString();
                } else {
                    finished = v.toString();
                    r.Completed = true;
                }
                r.Started = readDay(started, r, problems);
                r.Finished = readDay(finished, r, problems);
                log << r;
            }
            return log;
        }
    }
    static const QRegularExpression separators(QStringLiteral("[;\\n]+"));
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        CReading r;
        r.Completed = true;
        r.Finished = readDay(part, r, problems);
        log << r;
    }
    // Goodreads and LibraryThing give no order; the log goes by day.
    std::stable_sort(log.begin(), log.end(),
                     [](const CReading &a, const CReading &b) { return a.Finished < b.Finished; });
    return log;
}

void ApplySeriesAndReadings(CImportedBook &book, const CImportTable &table,
                            const std::function<QString(ImportField)> &where)
{
    QString &series = book.values[int(ImportField::Series)];
    QString &number = book.values[int(ImportField::SeriesNumber)];
    QString &notes = book.values[int(ImportField::Notes)];
    if (!series.isEmpty() && number.isEmpty()) {
        QStringList others;
        const CSeriesMention mention = ParseSeriesCell(series, &others);
        series = mention.series;
        number = mention.number;
        if (!others.isEmpty())
            appendNote(notes, QCoreApplication::translate("Import", "Also in the series: %1")
                                  .arg(others.join(QLatin1String("; ")).toHtmlEscaped()));
    }
    if (series.isEmpty() && table.format == ImportFormat::Goodreads) {
        if (const auto split = SplitSeriesFromTitle(book.value(ImportField::Title))) {
            book.values[int(ImportField::Title)] = split->title;
            series = split->series.series;
            number = split->series.number;
            if (!split->others.isEmpty())
                appendNote(notes, QCoreApplication::translate("Import", "Also in the series: %1")
                                      .arg(split->others.join(QLatin1String("; ")).toHtmlEscaped()));
        }
    }

    QStringList problems;
    book.readings = ParseReadingCell(book.value(ImportField::Readings), problems);
    for (const QString &p : std::as_const(problems))
        book.problems << where(ImportField::Readings) + QLatin1String(": ") + p;

    const QString started = book.value(ImportField::DateStarted);
    if (!started.isEmpty()) {
        // The day started belongs to the last reading unless that one has
        // its own; otherwise a reading under way begins then.
        if (!book.readings.isEmpty() && book.readings.last().Started.isEmpty() &&
            (book.readings.last().Finished.isEmpty() || book.readings.last().Finished >= started))
            book.readings.last().Started = started;
        else
            book.readings << CReading{started, QString(), false, QString()};
    }

    const QString count = book.value(ImportField::TimesRead);
    if (!count.isEmpty()) {
        const std::optional<int> times = timesRead(count);
        if (!times) {
            book.problems << QCoreApplication::translate("Import", "%1: \"%2\" is not a number of readings; left out.")
                                 .arg(where(ImportField::TimesRead), count);
        } else {
            // Readings the file counts but does not date: completed, days unknown.
            for (int i = CompletedReadings(book.readings); i < *times; ++i)
                book.readings.prepend(CReading{QString(), QString(), true, QString()});
        }
    }
}
