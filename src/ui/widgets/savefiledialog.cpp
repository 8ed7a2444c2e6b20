#include "savefiledialog.h"

#include <QFileDialog>

QString AskFileToSave(QWidget *parent, const QString &caption, const QString &startFolder,
                      const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    // Asking before replacing an existing file is the dialog's default.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString AskTextFileToSave(QWidget *parent, const QString &filter)
{
    return AskFileToSave(parent, QString(), QString(), filter, QStringLiteral("txt"));
}
