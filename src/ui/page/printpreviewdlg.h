#pragma once

#include <QDialog>
#include <QPdfDocument>
#include <QTemporaryFile>
#include <memory>

namespace Ui {
class CPrintPreviewDlg;
}

// Shows the book page as it will be printed: the pages of a PDF the engine
// made with the printer's page layout. Pages are drawn as they scroll into
// view, so a preview of a thousand books opens as fast as one of a single
// book. Print and Page Setup are signals: the page printer owns the printer.
class CPrintPreviewDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPrintPreviewDlg(QWidget *parent = nullptr);
    ~CPrintPreviewDlg() override;

    // Shows the pages of pdf (a new one after Page Setup); false, showing
    // nothing, when they cannot be read.
    [[nodiscard]] bool setPdf(const QByteArray &pdf);
    int pageCount() const;
    // The picture of one page at the given width, as the view draws it.
    QImage renderPage(int page, int width);

signals:
    void printRequested();
    void pageSetupRequested();

private:
    void updatePageLabel();
    void zoomBy(double factor);

    std::unique_ptr<Ui::CPrintPreviewDlg> ui;
    QPdfDocument m_document;
    // The engine's PDF is kept in a file: it can run to many megabytes.
    std::unique_ptr<QTemporaryFile> m_file;
};
