#pragma once

#include "bookid.h"

#include <QString>

class Connection;

// The cover files of one book save, ordered so that an interruption at any
// instant leaves the book with its old or its new picture on disk:
//
//  1. a journal names every file the save may leave behind unreferenced;
//  2. each new picture is copied to a hidden ".<name>.saving" file;
//  3. a picture under a name the catalogue does not use yet is renamed into
//     place before the commit; one that replaces a file the catalogue names
//     is renamed over it only after the commit (a rename is atomic);
//  4. after the commit, files no longer named are deleted, then the journal.
//
// CleanUp, run when a catalogue opens, finishes an interrupted save: files in
// a journal that no book names are deleted, then every *.saving file.
class CCoverFiles
{
public:
    static constexpr int Count = 2; // front, back

    struct Plan
    {
        QString name;           // stored name after the save, empty for no cover
        QString source;         // picture to copy in, empty when nothing is copied
        QString deletePrevious; // stored name whose file goes after the commit
        QString previous;       // stored name before the save ("" for a new book)
        QString staged;         // the copy waiting as .<name>.saving
        bool early = false;     // renamed into place before the commit
    };

    CCoverFiles(const QString &imagesFolder, BookId bookId);
    ~CCoverFiles(); // rolls back what was prepared and not finished
    CCoverFiles(const CCoverFiles &) = delete;
    CCoverFiles &operator=(const CCoverFiles &) = delete;

    // Cover index (0 front, 1 back) gets source ("" for none) under
    // "<id><suffix><ext>"; previous is its stored name (ignored for a new book,
    // which owns no picture yet).
    void plan(int index, const QString &source, const QString &previous, const QString &suffix, bool isNew);
    const Plan &at(int index) const { return m_plans[index]; }

    // Steps 1 to 3 (before the commit). A picture that cannot be copied is
    // reported ("Unable to copy the cover picture ...") and that cover keeps
    // its previous name and file.
    void prepare();
    // The database did not take the save: everything prepared goes.
    void rollback();
    // Step 3 for late renames and step 4 (after the commit).
    void finish();

    // Completes or undoes interrupted saves in imagesFolder; returns how many
    // files were removed.
    static int CleanUp(const QString &imagesFolder, Connection &connection);
    // True for a name CleanUp removes (staged copies and journals).
    static bool IsLeftover(const QString &fileName);
    // A stored name that may be touched: a plain file name inside the folder.
    static bool IsPlainFileName(const QString &name);
    // ".<name>.saving": where a picture waits for its rename into place.
    static QString StagedName(const QString &name);
    // The journal of a save identified by tag (a book id, or a batch).
    static QString JournalName(const QString &tag);
    // Removes the files one journal names that no book names (CleanUp does
    // this for every journal); returns how many. The journal itself stays.
    static int CleanJournal(const QString &imagesFolder, const QString &journalName, Connection &connection);

private:
    QString path(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    bool writeJournal();

    QString m_folder;
    BookId m_bookId;
    Plan m_plans[Count];
    QString m_journal;
    bool m_prepared = false;
    bool m_done = false;
};
