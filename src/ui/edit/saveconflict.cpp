#include "saveconflict.h"

#include "app/choicequestion.h"
#include "catalog/dberror.h"

#include <QCoreApplication>
#include <QLocale>

namespace {


QString who(const CBookRecord::SaveConflict &conflict)
{
    return conflict.changedBy.isEmpty() ? QCoreApplication::translate("SaveConflict", "Someone else") : conflict.changedBy;
}

QString when(const CBookRecord::SaveConflict &conflict)
{
    return QLocale().toString(conflict.changedAt.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

QString SaveConflictQuestion(const CBookRecord::SaveConflict &conflict)
{
    if (conflict.code == DbErrorCode::RowDeleted)
        return QCoreApplication::translate("SaveConflict", "%1 deleted this book at %2 while you were editing it.").arg(who(conflict), when(conflict));
    return QCoreApplication::translate("SaveConflict", "%1 changed this book at %2 after you opened it.").arg(who(conflict), when(conflict));
}

SaveConflictChoice AskAboutSaveConflict(const CBookRecord::SaveConflict &conflict)
{
    if (conflict.code == DbErrorCode::RowDeleted) {
        const int answer = AskChoice(SaveConflictQuestion(conflict), {QCoreApplication::translate("SaveConflict", "Save as &New Book"), QCoreApplication::translate("SaveConflict", "Cancel")},
                                     IMessenger::Icon::Warning);
        return answer == 0 ? SaveConflictChoice::SaveAsNew : SaveConflictChoice::KeepEditing;
    }
    if (conflict.code != DbErrorCode::Conflict)
        return SaveConflictChoice::KeepEditing;
    const int answer = AskChoice(SaveConflictQuestion(conflict),
                                 {QCoreApplication::translate("SaveConflict", "&Overwrite"), QCoreApplication::translate("SaveConflict", "&Reload"), QCoreApplication::translate("SaveConflict", "Cancel")}, IMessenger::Icon::Warning);
    if (answer == 0)
        return SaveConflictChoice::Overwrite;
    if (answer == 1) {
        // Reloading throws away everything typed in the sheet: make sure.
        const QString confirm = QCoreApplication::translate("SaveConflict", "Discard your changes and show the book as %1 saved it?").arg(who(conflict));
        if (messenger().askYesNo(confirm, IMessenger::Icon::Question))
            return SaveConflictChoice::Reload;
    }
    return SaveConflictChoice::KeepEditing;
}
