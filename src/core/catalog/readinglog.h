#pragma once

#include "bookid.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class Connection;

// One reading of a book. Days are text as the other dates of a record are
// ("Jan 05, 2004"); either may be empty. Completed: the reading came to its
// end, whether or not the day is known (an imported "read 3 times").
struct CReading
{
    QString Started;
    QString Finished;
    bool Completed = false;
    QString Notes;

    bool operator==(const CReading &o) const
    {
        return Started == o.Started && Finished == o.Finished && Completed == o.Completed && Notes == o.Notes;
    }
};

using CReadingLog = QVector<CReading>;

// What the log says of the book: never read, being read (the last reading is
// not completed), read.
enum class ReadingState { Unread, Reading, Read };
ReadingState ReadingStateOf(const CReadingLog &log);

// Completed readings, and the latest known day one of them finished (null
// when none has a day).
int CompletedReadings(const CReadingLog &log);
QDate LastFinished(const CReadingLog &log);

// The log of one book, in order. A catalogue without the reading table (an
// older one opened read-only) has none. False after a database error, which
// has been shown.
[[nodiscard]] bool LoadReadingLog(Connection &connection, BookId bookId, CReadingLog &log);
// The logs of the books whose ids are listed ("1,5,9").
[[nodiscard]] bool LoadReadingLogs(Connection &connection, const QString &idList, QHash<BookId, CReadingLog> &logs);

// The statements that write the log of bookId (numbered 1, 2, 3 ...); the
// book's older rows must be gone.
QStringList ReadingInsertStatements(BookId bookId, const CReadingLog &log);

// Edit > Start Reading and Finished Reading on stored books, at day. Starting
// adds a reading unless one is under way; finishing ends the reading under
// way or, without one, adds a completed reading of that day. All books or
// none; false after a database error, which has been shown.
[[nodiscard]] bool StartReading(Connection &connection, const QVector<BookId> &books, const QDate &day);
[[nodiscard]] bool FinishReading(Connection &connection, const QVector<BookId> &books, const QDate &day);
