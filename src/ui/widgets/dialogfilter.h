#pragma once

#include <QString>

// "HTML Files (*.htm, *.html)|*.htm;*.html||" -> "HTML Files (*.htm *.html)":
// a string-table filter (description|patterns pairs) in the form the Qt file
// dialogs take, one filter per ";;". "*.*" becomes "*": on Linux the first
// would hide every file without a dot in its name (README, a Makefile).
QString DialogFilter(const QString &tableFilter);
