#pragma once

#include "catalog/bookid.h"

#include "batchitem.h"

#include <QString>

class CBookRecord;

// Looks isbn up into record (reset first) and fills what book bookId of the
// catalogue lacks: empty fields and a missing front or back cover. Fields the
// book has stay as they are. Messages of the steps are not shown: the reason
// of a failure goes into the row text. Runs on any thread.
CBatchItemResult LookUpAndFillBook(CBookRecord &record, const QString &isbn, BookId bookId,
                                   const CBatchTarget &target);

// The filling alone: copies into stored every field that is empty there
// and set in found, and found's new cover sources where stored has no cover.
void FillEmptyFields(CBookRecord &stored, const CBookRecord &found);
