#include "printpreviewdlg.h"
#include "ui_printpreviewdlg.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QPdfPageNavigator>
#include <QScrollBar>

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;

} // namespace

CPrintPreviewDlg::CPrintPreviewDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::CPrintPreviewDlg>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // A page's proportions, within the screen.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(std::min(width(), room.width() * 9 / 10), std::min(height(), room.height() * 9 / 10));
    }
    ui->viewPages->setPageMode(QPdfView::PageMode::MultiPage);
    ui->viewPages->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    ui->viewPages->setAccessibleName(tr("Printed pages"));
    ui->viewPages->setDocument(&m_document);
    ui->buttonZoomIn->setToolTip(tr("Zoom In (%1)").arg(ui->buttonZoomIn->shortcut().toString(QKeySequence::NativeText)));
    ui->buttonZoomOut->setToolTip(
        tr("Zoom Out (%1)").arg(ui->buttonZoomOut->shortcut().toString(QKeySequence::NativeText)));

    connect(ui->buttonPrint, &QPushButton::clicked, this, &CPrintPreviewDlg::printRequested);
    connect(ui->buttonPageSetup, &QPushButton::clicked, this, &CPrintPreviewDlg::pageSetupRequested);
    connect(ui->buttonClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->buttonZoomIn, &QPushButton::clicked, this, [this] { zoomBy(kZoomStep); });
    connect(ui->buttonZoomOut, &QPushButton::clicked, this, [this] { zoomBy(1 / kZoomStep); });
    connect(ui->buttonFitWidth, &QPushButton::clicked, this,
            [this] { ui->viewPages->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    connect(ui->viewPages->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this,
            &CPrintPreviewDlg::updatePageLabel);
    connect(ui->viewPages->verticalScrollBar(), &QScrollBar::valueChanged, this, &CPrintPreviewDlg::updatePageLabel);
    ui->viewPages->setFocus();
}

CPrintPreviewDlg::~CPrintPreviewDlg()
{
    ui->viewPages->setDocument(nullptr);
}

bool CPrintPreviewDlg::setPdf(const QByteArray &pdf)
{
    m_document.close();
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/OrdoXXXXXX.pdf"));
    if (pdf.isEmpty() || !file->open() || file->write(pdf) != pdf.size() || !file->flush())
        return false;
    m_file = std::move(file);
    if (m_document.load(m_file->fileName()) != QPdfDocument::Error::None || m_document.pageCount() <= 0) {
        m_document.close();
        return false;
    }
    ui->viewPages->pageNavigator()->jump(0, {}, ui->viewPages->zoomFactor());
    updatePageLabel();
    return true;
}

int CPrintPreviewDlg::pageCount() const
{
    return m_document.status() == QPdfDocument::Status::Ready ? m_document.pageCount() : 0;
}

QImage CPrintPreviewDlg::renderPage(int page, int width)
{
    const QSizeF points = m_document.pagePointSize(page);
    if (points.isEmpty() || width <= 0)
        return {};
    return m_document.render(page, QSize(width, int(width * points.height() / points.width())));
}

void CPrintPreviewDlg::updatePageLabel()
{
    const int count = pageCount();
    // The page at the top of the view: the scroll position over the pages'
    // even spread is close enough for a label and costs nothing.
    const QScrollBar *bar = ui->viewPages->verticalScrollBar();
    const int span = bar->maximum() + bar->pageStep();
    const int current = count <= 0 || span <= 0 ? 0 : std::min(count - 1, int(qint64(bar->value()) * count / span));
    ui->labelPages->setText(count > 0 ? tr("Page %1 of %n", nullptr, count).arg(current + 1) : QString());
}

void CPrintPreviewDlg::zoomBy(double factor)
{
    const double zoom = std::clamp(ui->viewPages->zoomFactor() * factor, kMinZoom, kMaxZoom);
    ui->viewPages->setZoomMode(QPdfView::ZoomMode::Custom);
    ui->viewPages->setZoomFactor(zoom);
}
