#pragma once

#include "catalog/bookid.h"

#include "importedbook.h"
#include "importfield.h"
#include "importtable.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Connection;

// Where and how the books of a file go into the catalogue.
struct CImportOptions
{
    CategoryId targetCategory = 1;  // an existing category (1 or 32 and up)
    QString newCategoryName; // when set, a new category of this name under targetCategory receives the books
    bool subCategories = true;     // category values (shelves, groups) become categories under the target
    bool updateDuplicates = false; // a book already in the catalogue is updated instead of skipped
    QString imagesFolder;          // the catalogue's images folder (covers are copied there)
    // The most bytes of pictures one import may write; -1 for half the free
    // space of the disk that holds the images folder.
    qint64 pictureSpaceLimit = -1;
};

// What an import did.
struct CImportSummary
{
    int added = 0;
    int updated = 0;
    int skipped = 0;
    QStringList refused;  // "Line 5: reason"
    QStringList mended;   // values repaired or left out: "Line 5, Pages: ..."
    QStringList warnings; // covers that were not found or were refused
    QVector<BookId> bookIds; // added and updated books, in file order
    QStringList isbns;    // their ISBNs (empty text for books without one)
    bool cancelled = false;
    QString error; // a database error that stopped the import

    // The lines the user sees at the end: of each list the first shown
    // items (all of them for -1).
    QString text(int shown = 30) const;
    // True when text() leaves items out.
    bool longerThan(int shown = 30) const
    {
        return refused.size() > shown || mended.size() > shown || warnings.size() > shown;
    }
};

// Stores the rows of an imported table as books. Everything runs in one
// transaction: a cancel or a database error leaves the catalogue exactly as
// it was. Cover pictures go into the images folder through one cover
// journal (CCoverBatch) before the commit, so that an interruption leaves
// either none of the import or all of it with its pictures. A cover is
// taken only when it is a picture the program can show, carried by the file
// or lying in the imported file's folder (or below).
class CBookImporter
{
public:
    // done rows of total; false cancels.
    using Progress = std::function<bool(int done, int total)>;

    CBookImporter(Connection &connection, const CImportTable &table, const ImportMapping &mapping,
                  const CImportOptions &options);

    // The first count books of the file as they would be imported.
    QVector<CImportedBook> Preview(int count = 20) const;

    // True when the import committed; false after a cancel (summary.cancelled)
    // or an error (summary.error), with nothing changed.
    bool Run(CImportSummary &summary, const Progress &progress = {});

private:
    Connection &m_connection;
    const CImportTable &m_table;
    ImportMapping m_mapping;
    CImportOptions m_options;
};
