#pragma once

#include <QString>
#include <QStringList>

// A book's Author field holds every author in one text, " / " between two
// names. Lookups, imports and exports all use this one form, so that the
// page, search and other programs see the same names.

// The names joined; blanks trimmed, empty names and repeats (ignoring case)
// left out.
QString JoinAuthorNames(const QStringList &names);

// The names of an Author field. "; " also separates, as catalogues written
// by older versions joined imported authors that way.
QStringList SplitAuthorNames(const QString &author);
