#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

namespace Ui {
class CAddBookDlg;
}

// Asks how the new book is to be found: by one or more ISBNs, by title,
// author and publisher, or by hand. It only collects and checks the input;
// the Add Book command acts on it.
class CAddBookDlg : public QDialog
{
    Q_OBJECT

public:
    enum Mode { ModeIsbn = 0, ModeKeywords = 1, ModeManual = 2 };

    // Asks for a file to read or write; empty when the user cancelled.
    using FileDialog = std::function<QString(QWidget *parent, const QString &filter)>;
    // Asks for picture files to scan; empty when the user cancelled.
    using PicturesDialog = std::function<QStringList(QWidget *parent, const QString &filter)>;

    explicit CAddBookDlg(QWidget *parent = nullptr);
    ~CAddBookDlg() override;

    // Tests replace the file dialogs so that nothing blocks.
    void setOpenFileDialog(FileDialog dialog) { m_openDialog = std::move(dialog); }
    void setSaveFileDialog(FileDialog dialog) { m_saveDialog = std::move(dialog); }
    void setOpenPicturesDialog(PicturesDialog dialog) { m_picturesDialog = std::move(dialog); }

    // After OK.
    int mode() const { return m_mode; }
    // The valid ISBNs in entry order (ISBN mode only), hyphens as typed.
    const QStringList &isbnList() const { return m_isbnList; }
    // Trimmed search words (keyword mode).
    QString title() const { return m_title; }
    QString author() const { return m_author; }
    QString publisher() const { return m_publisher; }

    QString isbnText() const;
    void setIsbnText(const QString &text);
    void setMode(int mode);
    // Adds scanned ISBNs to the end of the list, one per line.
    void appendIsbns(const QStringList &isbns);

public slots:
    void accept() override;
    void OnLoad();
    void OnSave();
    void OnScanCamera();
    void OnScanPictures();

private:
    void onModeChosen();
    bool collectIsbns();
    void focusIsbnEdit();

    std::unique_ptr<Ui::CAddBookDlg> ui;
    FileDialog m_openDialog;
    FileDialog m_saveDialog;
    PicturesDialog m_picturesDialog;
    int m_mode = ModeIsbn;
    QStringList m_isbnList;
    QString m_title;
    QString m_author;
    QString m_publisher;
};
