#pragma once

#include <QFileDialog>

class QLabel;

// An Open dialog for one picture file with a preview of the picture under
// the pointer beside the file list. tableFilter is a string-table filter
// ("All Pictures (*.jpg)|*.jpg||").
class COpenDlgEx : public QFileDialog
{
    Q_OBJECT

public:
    explicit COpenDlgEx(const QString &tableFilter, QWidget *parent = nullptr);

    // The preview shown now (null when the current file is not a picture).
    QPixmap preview() const;

    // Runs the dialog; the chosen file, or empty after Cancel.
    static QString ChoosePicture(QWidget *parent, const QString &tableFilter);

private:
    void showPreview(const QString &path);

    QLabel *m_preview = nullptr;
};
