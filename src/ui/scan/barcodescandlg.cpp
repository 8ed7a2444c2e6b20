#include "barcodescandlg.h"
#include "ui_barcodescandlg.h"

#include "camerafeed.h"
#include "scan/barcodescanner.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMediaDevices>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QVideoWidget>

#include <algorithm>

namespace {

constexpr int kIsbnRole = Qt::UserRole;
constexpr int kFlashMs = 400;

QStringList defaultPicturesDialog(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
}

// Why a barcode gives no ISBN, for the user.
QString refusalText(const CBarcodeIsbn &code)
{
    switch (code.refusal) {
    case IsbnRefusal::Issn:
        return CBarcodeScanDlg::tr("%1 is the ISSN of a periodical, not an ISBN.").arg(code.barcode);
    case IsbnRefusal::SheetMusic:
        return CBarcodeScanDlg::tr("%1 is the number of printed music, not an ISBN.").arg(code.barcode);
    case IsbnRefusal::BadCheckDigit:
        return CBarcodeScanDlg::tr("%1 was misread (wrong check digit); try again.").arg(code.barcode);
    case IsbnRefusal::NotIsbnText:
        return CBarcodeScanDlg::tr("The barcode \"%1\" holds no ISBN.").arg(code.barcode);
    case IsbnRefusal::NotBook:
    case IsbnRefusal::None:
        break;
    }
    return CBarcodeScanDlg::tr("%1 is not a book's barcode.").arg(code.barcode);
}

} // namespace

CBarcodeScanDlg::CBarcodeScanDlg(Source source, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CBarcodeScanDlg>()), m_source(source),
      m_scanner(std::make_unique<CBarcodeScanner>()), m_picturesDialog(defaultPicturesDialog)
{
    ui->setupUi(this);
    QPushButton *done = ui->buttonBox->addButton(tr("&Done"), QDialogButtonBox::AcceptRole);
    done->setObjectName(QStringLiteral("buttonDone"));
    done->setDefault(true);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->buttonRemove, &QPushButton::clicked, this, &CBarcodeScanDlg::OnRemove);
    connect(ui->buttonAddPictures, &QPushButton::clicked, this, &CBarcodeScanDlg::OnAddPictures);
    connect(ui->buttonScanPictures, &QPushButton::clicked, this, &CBarcodeScanDlg::OnAddPictures);
    connect(m_scanner.get(), &CBarcodeScanner::frameScanned, this, &CBarcodeScanDlg::onFrameScanned);
    connect(m_scanner.get(), &CBarcodeScanner::pictureScanned, this, &CBarcodeScanDlg::onPictureScanned);

    m_flashTimer = new QTimer(this);
    m_flashTimer->setSingleShot(true);
    connect(m_flashTimer, &QTimer::timeout, this, [this] { ui->framePreview->setStyleSheet(QString()); });

    // The preview exists in both modes so that a camera plugged in later, or
    // a test, has somewhere to show its frames.
    m_preview = new QVideoWidget(ui->framePreview);
    ui->layoutPreview->addWidget(m_preview);
    m_feed = std::make_unique<CCameraFeed>(m_preview, m_scanner.get());
    connect(m_feed.get(), &CCameraFeed::cameraError, ui->labelStatus, &QLabel::setText);

    if (m_source == Source::Camera) {
        m_beep = new QSoundEffect(this);
        m_beep->setSource(QUrl(QStringLiteral("qrc:/sounds/scanbeep.wav")));
        connect(ui->comboCamera, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &CBarcodeScanDlg::onCameraChosen);
        auto *devices = new QMediaDevices(this);
        connect(devices, &QMediaDevices::videoInputsChanged, this, &CBarcodeScanDlg::fillCameraChooser);
        fillCameraChooser();
    } else {
        ui->stackSource->hide();
        ui->labelStatus->setText(tr("Each barcode found in the pictures is listed below."));
        resize(width(), 360);
    }
}

CBarcodeScanDlg::~CBarcodeScanDlg() = default;

QString CBarcodeScanDlg::picturesFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;") +
           tr("All Files (*)");
}

QStringList CBarcodeScanDlg::isbns() const
{
    QStringList list;
    for (int row = 0; row < ui->listIsbns->count(); ++row) {
        const QString isbn = ui->listIsbns->item(row)->data(kIsbnRole).toString();
        if (!isbn.isEmpty())
            list << isbn;
    }
    return list;
}

QVideoSink *CBarcodeScanDlg::videoSink() const
{
    return m_feed->videoSink();
}

bool CBarcodeScanDlg::isFlashing() const
{
    return m_flashTimer->isActive();
}

void CBarcodeScanDlg::fillCameraChooser()
{
    const QList<QCameraDevice> cameras = CCameraFeed::cameras();
    const QByteArray current = ui->comboCamera->currentData().toByteArray();
    {
        const QSignalBlocker blocker(ui->comboCamera);
        ui->comboCamera->clear();
        for (const QCameraDevice &camera : cameras)
            ui->comboCamera->addItem(camera.description(), camera.id());
    }
    m_hasCamera = !cameras.isEmpty();
    ui->stackSource->setCurrentWidget(m_hasCamera ? ui->pageCamera : ui->pageNoCamera);
    if (!m_hasCamera) {
        m_feed->start(QCameraDevice());
        ui->labelStatus->clear();
        return;
    }
    int index = ui->comboCamera->findData(current);
    if (index < 0) {
        const QCameraDevice preferred = QMediaDevices::defaultVideoInput();
        index = qMax(0, ui->comboCamera->findData(preferred.id()));
    }
    ui->comboCamera->setCurrentIndex(index);
    if (ui->comboCamera->currentData().toByteArray() != current || !m_feed->isActive())
        onCameraChosen(index);
}

void CBarcodeScanDlg::onCameraChosen(int index)
{
    const QByteArray id = ui->comboCamera->itemData(index).toByteArray();
    for (const QCameraDevice &camera : CCameraFeed::cameras()) {
        if (camera.id() == id) {
            m_feed->start(camera);
            ui->labelStatus->setText(tr("Hold a book's barcode up to the camera."));
            return;
        }
    }
}

void CBarcodeScanDlg::onFrameScanned(const QVector<CBarcodeIsbn> &codes)
{
    if (addIsbns(codes) > 0)
        return;
    // A refused code stays in view for many frames: say it once.
    for (const CBarcodeIsbn &code : codes) {
        if (!code.isIsbn() && code.barcode != m_lastRefused) {
            m_lastRefused = code.barcode;
            ui->labelStatus->setText(refusalText(code));
        }
    }
}

void CBarcodeScanDlg::onPictureScanned(const QString &path, const QVector<CBarcodeIsbn> &codes, bool readable)
{
    const QString name = QFileInfo(path).fileName();
    const bool anyIsbn =
        std::any_of(codes.cbegin(), codes.cend(), [](const CBarcodeIsbn &c) { return c.isIsbn(); });
    addIsbns(codes);
    if (!readable) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        // Phones save HEIC by default; this system's Qt may have no reader for it.
        if (suffix == QLatin1String("heic") || suffix == QLatin1String("heif"))
            addNote(tr("%1: Cannot read HEIC pictures here; save the photo as JPEG").arg(name));
        else
            addNote(tr("%1: Cannot read this picture").arg(name));
    } else if (!anyIsbn) {
        QString note = tr("%1: No ISBN barcode found").arg(name);
        for (const CBarcodeIsbn &code : codes)
            note += QStringLiteral(" (") + refusalText(code) + QLatin1Char(')');
        addNote(note);
    }
    if (--m_picturesWaiting == 0)
        ui->labelStatus->setText(
            tr("All pictures read: %n ISBN(s) in the list.", nullptr, int(isbns().size())));
    emit pictureDone(path);
}

int CBarcodeScanDlg::addIsbns(const QVector<CBarcodeIsbn> &codes)
{
    int added = 0;
    for (const CBarcodeIsbn &code : codes) {
        if (!code.isIsbn() || m_seen.contains(code.isbn))
            continue;
        m_seen.insert(code.isbn);
        auto *item = new QListWidgetItem(code.isbn, ui->listIsbns);
        item->setData(kIsbnRole, code.isbn);
        ui->listIsbns->scrollToItem(item);
        ui->labelStatus->setText(tr("Added %1.").arg(code.isbn));
        ++added;
        emit isbnAdded(code.isbn);
    }
    if (added > 0 && m_source == Source::Camera)
        signalNewIsbn();
    return added;
}

void CBarcodeScanDlg::addNote(const QString &text)
{
    auto *item = new QListWidgetItem(text, ui->listIsbns);
    item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    ui->listIsbns->scrollToItem(item);
}

void CBarcodeScanDlg::signalNewIsbn()
{
    if (m_beep)
        m_beep->play();
    ui->framePreview->setStyleSheet(QStringLiteral("#framePreview { background: #2ea043; }"));
    m_flashTimer->start(kFlashMs);
}

bool CBarcodeScanDlg::OnAddPictures()
{
    const QStringList paths = m_picturesDialog(this, picturesFilter());
    if (paths.isEmpty())
        return false;
    scanPictures(paths);
    return true;
}

void CBarcodeScanDlg::scanPictures(const QStringList &paths)
{
    m_picturesWaiting += int(paths.size());
    ui->labelStatus->setText(tr("Reading %n picture(s)...", nullptr, m_picturesWaiting));
    m_scanner->scanPictures(paths);
}

void CBarcodeScanDlg::OnRemove()
{
    // Removed ISBNs stay seen: the book may still be in front of the camera.
    qDeleteAll(ui->listIsbns->selectedItems());
}
