#pragma once

#include <QString>

// "HTML Files (*.htm, *.html)|*.htm;*.html||" -> "HTML Files (*.htm *.html)":
// a filter of the string table in the form the Qt file dialogs take.
QString FileDialogFilter(const QString &tableFilter);
