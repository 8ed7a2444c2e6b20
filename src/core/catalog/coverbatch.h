#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

class Connection;

// The cover files of many books written in one transaction (an import),
// under one journal, so that an interruption at any instant leaves either
// none of the transaction or all of it with its pictures:
//
//  1. the journal names every picture the batch writes and every stored
//     picture its books stop naming;
//  2. each picture is written to ".<name>.saving" and renamed into place,
//     all before the commit: the caller picks names no book uses and no
//     file holds, so nothing the catalogue names is touched;
//  3. after the commit, retired pictures no book names are deleted, then
//     the journal.
//
// Before the commit the written pictures are named by no book, so
// CCoverFiles::CleanUp removes them after a crash; after it they are named
// and stay.
class CCoverBatch
{
public:
    explicit CCoverBatch(const QString &imagesFolder);
    ~CCoverBatch(); // rolls back what was written and not finished
    CCoverBatch(const CCoverBatch &) = delete;
    CCoverBatch &operator=(const CCoverBatch &) = delete;

    // What the batch will do, declared before begin().
    void add(const QString &name)
    {
        m_names << name;
        m_expected.insert(name);
    }
    void retire(const QString &name) { m_retired << name; }

    // Step 1; false when the folder or the journal cannot be written.
    bool begin();
    // Step 2 for one picture; false when it cannot be written (nothing of
    // it is left behind).
    bool put(const QString &name, const QByteArray &bytes);
    // The database did not take the transaction: every picture written goes.
    void rollback();
    // Step 3 (after the commit).
    void finish(Connection &connection);

    // The journal's file name.
    static QString JournalName();

private:
    QString path(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QString m_folder;
    QStringList m_names;
    QSet<QString> m_expected;
    QStringList m_retired;
    QStringList m_written;
    bool m_hadJournal = false;
    bool m_begun = false;
    bool m_done = false;
};
