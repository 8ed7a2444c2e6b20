#pragma once

#include "bookrecord.h"

#include <QVector>

class Connection;

// Loads many books the way CBookRecord::Load loads one, with a handful of
// queries per batch instead of ten per book: the lookup tables are read once,
// books, links and readings a batch of ids at a time.
class CBookBatchLoader
{
public:
    explicit CBookBatchLoader(Connection &connection) : m_connection(connection) {}

    // The books of ids[0..count), in that order, with their links in
    // ascending LinkID order. An id with no book gives a record holding only
    // its BookID (as Load leaves a fresh record). False after a database
    // error, which has been shown.
    [[nodiscard]] bool Load(const BookId *ids, int count, QVector<CBookRecord> &books);

    // Ids per query: keeps each statement's text short.
    static constexpr int kBatchSize = 250;

private:
    bool readBooks(const QString &idList, QHash<BookId, int> &rowOf, QVector<CBookRecord> &books);
    bool readLinks(const QString &idList, const QHash<BookId, int> &rowOf, QVector<CBookRecord> &books);

    Connection &m_connection;
    CBookRecord::RowReader m_reader;
    bool m_namesRead = false;
};
