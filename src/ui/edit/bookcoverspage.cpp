#include "bookcoverspage.h"

#include "app/strings.h"
#include "page/pagetarget.h"
#include "ui_bookcoverspage.h"
#include "widgets/opendlgex.h"
#include "widgets/picturectrl.h"

#include <QMouseEvent>

// The resources live in a static library: make sure they are registered.
static void initOrdoResources()
{
    Q_INIT_RESOURCE(ordo);
}

CBookCoversPage::CBookCoversPage(QWidget *parent)
    : CPropertyPage(tr("Co&vers"), parent), ui(std::make_unique<Ui::CBookCoversPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("coversPage"));
    m_chooser = [this] { return COpenDlgEx::ChoosePicture(this, LoadStr(IDS_FILTER_PICTURES)); };
    m_opener = [](const QString &path) { OpenPageTargetOrTell(path); };

    connect(ui->buttonBrowseFront, &QPushButton::clicked, this, [this] { Browse(Front); });
    connect(ui->buttonBrowseBack, &QPushButton::clicked, this, [this] { Browse(Back); });
    connect(ui->buttonClearFront, &QPushButton::clicked, this, [this] { Clear(Front); });
    connect(ui->buttonClearBack, &QPushButton::clicked, this, [this] { Clear(Back); });
    ui->pictureFront->installEventFilter(this);
    ui->pictureBack->installEventFilter(this);
    // Two "Browse..." and two "Clear" buttons: the names say which cover.
    ui->buttonBrowseFront->setAccessibleName(tr("Browse for the front cover"));
    ui->buttonClearFront->setAccessibleName(tr("Clear the front cover"));
    ui->buttonBrowseBack->setAccessibleName(tr("Browse for the back cover"));
    ui->buttonClearBack->setAccessibleName(tr("Clear the back cover"));
    ui->pictureFront->setAccessibleName(tr("Front cover"));
    ui->pictureBack->setAccessibleName(tr("Back cover"));
}

CBookCoversPage::~CBookCoversPage() = default;

QString CBookCoversPage::PlaceholderResource()
{
    initOrdoResources();
    return QStringLiteral(":/pictures/nocover.gif");
}

CPictureCtrl *CBookCoversPage::picture(Side side) const
{
    return side == Front ? ui->pictureFront : ui->pictureBack;
}

void CBookCoversPage::setChooser(Chooser chooser)
{
    if (chooser)
        m_chooser = std::move(chooser);
}

void CBookCoversPage::setOpener(Opener opener)
{
    if (opener)
        m_opener = std::move(opener);
}

void CBookCoversPage::setDownloads(const QStringList &files, const QString &address)
{
    m_downloads = files;
    m_downloadAddress = address;
}

QString CBookCoversPage::pathText(const QString &path) const
{
    if (path.isEmpty() || !m_downloads.contains(path))
        return path;
    return m_downloadAddress.isEmpty() ? tr("Downloaded picture, saved with the book")
                                       : tr("Downloaded from %1").arg(m_downloadAddress);
}

void CBookCoversPage::showPath(Side side)
{
    QLineEdit *edit = side == Front ? ui->editFrontPath : ui->editBackPath;
    edit->setText(pathText(path(side)));
    edit->setCursorPosition(0);
    edit->setToolTip(edit->text());
}

void CBookCoversPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    showCover(Front);
    showCover(Back);
}

void CBookCoversPage::DoDataExchange(bool saveAndValidate)
{
    // The paths change only through Browse and Clear; the edits show them.
    if (saveAndValidate)
        return;
    showPath(Front);
    showPath(Back);
}

void CBookCoversPage::showCover(Side side)
{
    CPictureCtrl *control = picture(side);
    const QString &file = path(side);
    // A missing or unreadable picture shows the placeholder instead.
    if (file.isEmpty() || !control->LoadFromFile(file))
        control->LoadFromResource(PlaceholderResource());
    control->Draw();
    control->setAccessibleDescription(file.isEmpty() ? tr("No picture") : pathText(file));
    // Only a cover with a file behind it can be opened.
    if (file.isEmpty())
        control->unsetCursor();
    else
        control->setCursor(Qt::PointingHandCursor);
}

void CBookCoversPage::Browse(Side side)
{
    const QString chosen = m_chooser ? m_chooser() : QString();
    if (chosen.isEmpty())
        return;
    path(side) = chosen;
    showPath(side);
    showCover(side);
}

void CBookCoversPage::Clear(Side side)
{
    if (path(side).isEmpty())
        return;
    path(side).clear();
    showPath(side);
    showCover(side);
}

bool CBookCoversPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const Side side = watched == ui->pictureFront ? Front : Back;
        if ((watched == ui->pictureFront || watched == ui->pictureBack) && !path(side).isEmpty() && m_opener)
            m_opener(path(side));
    }
    return CPropertyPage::eventFilter(watched, event);
}
