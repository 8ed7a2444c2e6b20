#pragma once

#include <QString>

class QWidget;

// The save-file dialog for a text file: default extension "txt", asking
// before an existing file is replaced. The chosen path, or empty when the
// user cancelled.
QString AskTextFileToSave(QWidget *parent, const QString &filter);
