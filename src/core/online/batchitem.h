#pragma once

#include "catalog/bookid.h"

#include <QString>

class CBookRecord;
class Connection;

// Where the books of a batch go.
struct CBatchTarget
{
    CategoryId categoryId = 1;
    QString imagesFolder;
    Connection *connection = nullptr;
    bool addDuplicates = false; // also add a book whose ISBN the catalogue has
};

// What became of one ISBN of a batch, as its row shows it.
struct CBatchItemResult
{
    // NotFound: the services answered and none knows the book; Failed:
    // anything else that kept the book out; Cancelled: not looked up.
    enum Kind { Saved, Duplicate, NotFound, Failed, Cancelled };
    Kind kind = Failed;
    QString rowText;    // the title, "Already in the catalogue" or "Error: " and the reason
    bool fatal = false; // the service could not be reached: the batch stops
};

// Looks isbn up into record (reset first) and saves it as a new book of the
// target category with its cover. Messages of the steps are not shown: the
// reason of a failure goes into the row text. Runs on any thread.
CBatchItemResult LookUpAndSaveIsbn(CBookRecord &record, const QString &isbn, const CBatchTarget &target);
