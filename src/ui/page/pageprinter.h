#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class CPrintPreviewDlg;
class QPrinter;
class QProgressDialog;
class QWebEngineView;

// Print, Print Preview and Page Setup of the book page, one job at a time:
// from the moment one is chosen (the build of every selected book
// included) until its print ends or its preview closes, another is refused,
// never started inside the first. The preview shows the PDF the engine
// makes of the page in its own process, so no page is rasterised before it
// is looked at.
class CPagePrinter : public QObject
{
    Q_OBJECT

public:
    // Lets the user choose and set up the printer; false when cancelled.
    using PrintDialog = std::function<bool(QPrinter *printer, QWidget *parent)>;
    // Makes the pane show every selected book, then calls done(true), or
    // done(false) when that was cancelled or failed.
    using Prepare = std::function<void(std::function<void(bool ok)> done)>;

    CPagePrinter(QWebEngineView *view, Prepare prepare);
    ~CPagePrinter() override;

    bool isBusy() const { return m_job != Job::None; }
    bool isPrinting() const { return m_job == Job::Print; }
    // The open preview, if any.
    CPrintPreviewDlg *previewDialog() const;

    void setPrintDialog(PrintDialog dialog);
    void startPrint();
    void startPreview();
    void pageSetup();
    // The view's printer was lost (its renderer died): the job ends.
    void abandon();

signals:
    // The preview (previewDialog()) shows its pages.
    void previewShown();
    // A print or preview ended (ok false when cancelled or failed).
    void jobFinished(bool ok);

private:
    enum class Job { None, Print, Preview };

    QPrinter *printer();
    void onPrintFinished(bool ok);
    void makePreviewPdf();
    void onPreviewPdf(const QByteArray &pdf);
    void endJob(bool ok);
    void closeProgress();

    QWebEngineView *m_view;
    Prepare m_prepare;
    PrintDialog m_printDialog;
    std::unique_ptr<QPrinter> m_printer;
    Job m_job = Job::None;
    int m_pdfSerial = 0; // the engine's answer to an abandoned request is ignored
    QPointer<QProgressDialog> m_progress;
    QPointer<CPrintPreviewDlg> m_preview;
    // False from the destructor on: the engine's callbacks may outlive us.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
