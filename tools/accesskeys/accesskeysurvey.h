#pragma once

#include "accesskeyclashes.h"

#include <QStringList>

// What the survey of the program found in the language installed now.
struct AccessKeySurvey
{
    QList<AccessKeyClash> clashes;
    // What could not be looked at: the main window when it cannot be built,
    // and forms (.ui files) whose controls no surveyed window holds (a dialog
    // added to the program and not yet to the survey).
    QStringList leftOut;
};

// Builds the main window (its menu bar, menus and context menus) and every
// dialog, reads their access keys and closes them again. sourceDir is the
// source tree, whose src/**/*.ui files are the forms to account for.
// Needs a QApplication and the application folder set (SetAppFolder).
AccessKeySurvey SurveyAccessKeys(const QString &sourceDir);
