#pragma once

#include <QString>

class QWidget;

// The save-file dialog: suffix is added to a name without one, and an
// existing file is replaced only after asking. The chosen path, or empty
// when the user cancelled.
QString AskFileToSave(QWidget *parent, const QString &caption, const QString &startFolder,
                      const QString &filter, const QString &suffix);

// The same for a text file ("txt").
QString AskTextFileToSave(QWidget *parent, const QString &filter);
