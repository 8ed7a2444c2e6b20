#pragma once

#include "catalog/dberror.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct CatalogueCopy;
class QWidget;

// Runs a catalogue copy under a modal progress dialog whose Cancel stops it,
// and words what it could not copy as it was.
class CCopyProgress
{
    Q_DECLARE_TR_FUNCTIONS(CCopyProgress)

public:
    // The dialog is named "copyProgress" (tests find it to cancel).
    static bool run(CatalogueCopy &copy, QWidget *parent, const QString &label, DbError *error);
    // The first lines of problems and how many more there are; empty
    // without problems.
    static QString problemsText(const QStringList &problems);

    static constexpr int kLinesShown = 20;
};
