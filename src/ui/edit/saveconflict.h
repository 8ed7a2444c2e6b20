#pragma once

#include "catalog/bookrecord.h"

// What to do when a save was refused because someone else saved or deleted
// the book after this sheet read it.
enum class SaveConflictChoice {
    Overwrite,   // save anyway over the other person's version
    Reload,      // show their version, dropping the edits (confirmed)
    SaveAsNew,   // the book was deleted: save the edits as a new book
    KeepEditing, // nothing now; the sheet stays open with the edits
};

// The question for conflict ("<user> changed this book at <time> ...").
QString SaveConflictQuestion(const CBookRecord::SaveConflict &conflict);
// Asks the user through the messenger; KeepEditing for anything that is
// not a conflict.
SaveConflictChoice AskAboutSaveConflict(const CBookRecord::SaveConflict &conflict);
