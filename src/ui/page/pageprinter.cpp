#include "pageprinter.h"

#include "app/messenger.h"
#include "printpreviewdlg.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Printing rasterises each page at the printer's resolution; more than this
// gives no visible gain and costs hundreds of megabytes per page.
constexpr int kMaxPrintResolution = 300;

bool defaultPrintDialog(QPrinter *printer, QWidget *parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CPagePrinter::CPagePrinter(QWebEngineView *view, Prepare prepare)
    : QObject(view), m_view(view), m_prepare(std::move(prepare)), m_printDialog(defaultPrintDialog)
{
    connect(m_view, &QWebEngineView::printFinished, this, &CPagePrinter::onPrintFinished);
    connect(m_view, &QWebEngineView::pdfPrintingFinished, this,
            [this](const QString &, bool ok) { onPrintFinished(ok); });
}

CPagePrinter::~CPagePrinter()
{
    *m_alive = false;
    delete m_preview;
}

CPrintPreviewDlg *CPagePrinter::previewDialog() const
{
    return m_preview;
}

QPrinter *CPagePrinter::printer()
{
    // Made on first use: asking the print system for its printers takes time.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_printer->resolution() > kMaxPrintResolution)
            m_printer->setResolution(kMaxPrintResolution);
    }
    return m_printer.get();
}

void CPagePrinter::setPrintDialog(PrintDialog dialog)
{
    m_printDialog = dialog ? std::move(dialog) : PrintDialog(defaultPrintDialog);
}

void CPagePrinter::startPrint()
{
    if (isBusy())
        return;
    QPrinter *target = printer();
    m_job = Job::Print;
    if (!m_printDialog(target, m_view)) {
        m_job = Job::None;
        return;
    }
    m_prepare([this, alive = m_alive, target](bool ok) {
        if (!*alive || m_job != Job::Print)
            return;
        if (!ok) {
            endJob(false);
            return;
        }
        // Printing to a PDF file keeps the page's text as text; a printer
        // gets the rendered pages.
        if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty())
            m_view->printToPdf(target->outputFileName(), target->pageLayout(), target->pageRanges());
        else
            m_view->print(target);
    });
}

void CPagePrinter::onPrintFinished(bool ok)
{
    if (m_job != Job::Print)
        return;
    endJob(ok);
    if (!ok)
        messenger().showMessage(tr("The page could not be printed."), IMessenger::Icon::Error);
}

void CPagePrinter::startPreview()
{
    if (isBusy())
        return;
    m_job = Job::Preview;
    m_prepare([this, alive = m_alive](bool ok) {
        if (!*alive || m_job != Job::Preview)
            return;
        if (ok)
            makePreviewPdf();
        else
            endJob(false);
    });
}

void CPagePrinter::makePreviewPdf()
{
    // The engine gives no progress for its PDF: the bar only moves to show
    // that the program is at work, and Cancel drops the answer.
    QWidget *over = m_preview ? static_cast<QWidget *>(m_preview) : m_view;
    auto *progress = new QProgressDialog(tr("Preparing the print preview..."), tr("Cancel"), 0, 0, over);
    progress->setObjectName(QStringLiteral("previewProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(300);
    m_progress = progress;
    const int serial = ++m_pdfSerial;
    connect(progress, &QProgressDialog::canceled, this, [this] {
        ++m_pdfSerial;
        closeProgress();
        // Pages made again after Page Setup: the preview keeps the old ones.
        if (!m_preview)
            endJob(false);
    });
    QPrinter *target = printer();
    m_view->page()->printToPdf(
        [this, alive = m_alive, serial](const QByteArray &pdf) {
            if (*alive && serial == m_pdfSerial)
                onPreviewPdf(pdf);
        },
        target->pageLayout(), target->pageRanges());
}

void CPagePrinter::onPreviewPdf(const QByteArray &pdf)
{
    closeProgress();
    if (m_job != Job::Preview)
        return;
    const bool first = !m_preview;
    if (first) {
        m_preview = new CPrintPreviewDlg(m_view->window());
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preview, &QDialog::finished, this, [this] {
            // Deleted later: a preview asked for meanwhile is a new window.
            m_preview->disconnect(this);
            m_preview = nullptr;
            if (m_job == Job::Preview)
                endJob(true);
        });
        connect(m_preview, &CPrintPreviewDlg::printRequested, this, [this] {
            // Print starts once the preview is gone: the job is the print's.
            m_preview->close();
            QTimer::singleShot(0, this, &CPagePrinter::startPrint);
        });
        connect(m_preview, &CPrintPreviewDlg::pageSetupRequested, this, [this] {
            QPageSetupDialog dialog(printer(), m_preview);
            if (dialog.exec() == QDialog::Accepted && m_job == Job::Preview)
                makePreviewPdf();
        });
    }
    if (!m_preview->setPdf(pdf)) {
        messenger().showMessage(tr("The page could not be rendered for printing."), IMessenger::Icon::Error);
        if (first) {
            // Never shown, so never finished: the job ends here.
            delete m_preview;
            endJob(false);
        } else {
            m_preview->close();
        }
        return;
    }
    if (first) {
        // Not exec(): no event loop of its own, nothing to re-enter.
        m_preview->setWindowModality(Qt::WindowModal);
        m_preview->open();
    }
    emit previewShown();
}

void CPagePrinter::pageSetup()
{
    if (isBusy())
        return;
    QPageSetupDialog dialog(printer(), m_view);
    dialog.exec();
}

void CPagePrinter::abandon()
{
    if (m_job == Job::None)
        return;
    ++m_pdfSerial;
    closeProgress();
    if (m_preview)
        m_preview->close();
    if (m_job != Job::None)
        endJob(false);
}

void CPagePrinter::closeProgress()
{
    if (m_progress) {
        m_progress->disconnect(this);
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

void CPagePrinter::endJob(bool ok)
{
    m_job = Job::None;
    emit jobFinished(ok);
}
