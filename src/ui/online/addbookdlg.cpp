#include "addbookdlg.h"
#include "ui_addbookdlg.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "online/isbnlist.h"
#include "scan/barcodescandlg.h"
#include "widgets/dialogfilter.h"
#include "widgets/savefiledialog.h"

#include <QFileDialog>
#include <QPushButton>

namespace {

QString defaultOpenDialog(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

} // namespace

CAddBookDlg::CAddBookDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CAddBookDlg>()), m_openDialog(defaultOpenDialog),
      m_saveDialog(AskTextFileToSave)
{
    ui->setupUi(this);
    ui->editIsbns->setAccessibleName(tr("ISBNs"));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CAddBookDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CAddBookDlg::reject);
    connect(ui->buttonLoad, &QPushButton::clicked, this, &CAddBookDlg::OnLoad);
    connect(ui->buttonSave, &QPushButton::clicked, this, &CAddBookDlg::OnSave);
    connect(ui->buttonScanCamera, &QPushButton::clicked, this, &CAddBookDlg::OnScanCamera);
    connect(ui->buttonScanPictures, &QPushButton::clicked, this, &CAddBookDlg::OnScanPictures);
    for (QRadioButton *radio : {ui->radioQueryByIsbn, ui->radioQueryByTitle, ui->radioManually})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                onModeChosen();
        });
    onModeChosen();
}

CAddBookDlg::~CAddBookDlg() = default;

QString CAddBookDlg::isbnText() const
{
    return ui->editIsbns->toPlainText();
}

void CAddBookDlg::setIsbnText(const QString &text)
{
    ui->editIsbns->setPlainText(text);
}

void CAddBookDlg::setMode(int mode)
{
    switch (mode) {
    case ModeKeywords:
        ui->radioQueryByTitle->setChecked(true);
        break;
    case ModeManual:
        ui->radioManually->setChecked(true);
        break;
    default:
        ui->radioQueryByIsbn->setChecked(true);
        break;
    }
}

void CAddBookDlg::onModeChosen()
{
    m_mode = ui->radioQueryByTitle->isChecked() ? ModeKeywords
             : ui->radioManually->isChecked()   ? ModeManual
                                                : ModeIsbn;
    ui->editIsbns->setEnabled(m_mode == ModeIsbn);
    for (QLineEdit *edit : {ui->editTitle, ui->editAuthor, ui->editPublisher})
        edit->setEnabled(m_mode == ModeKeywords);
    if (m_mode == ModeIsbn)
        ui->editIsbns->setFocus();
    else if (m_mode == ModeKeywords)
        ui->editTitle->setFocus();
}

void CAddBookDlg::focusIsbnEdit()
{
    ui->editIsbns->setFocus();
}

bool CAddBookDlg::collectIsbns()
{
    m_isbnList.clear();
    const QString text = isbnText().trimmed();
    // A blank line (a scanner's empty read, a gap in a pasted list) is
    // skipped; the lines after it still count.
    for (const QString &raw : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QString isbn = IsbnFromListLine(line);
        if (IsAcceptedIsbn(isbn)) {
            m_isbnList << isbn;
            continue;
        }
        if (!messenger().askYesNo(LoadStr(IDS_NOT_VALID_ISBN_IGNORE, line), IMessenger::Icon::Question)) {
            m_isbnList.clear();
            focusIsbnEdit();
            return false;
        }
    }
    if (m_isbnList.isEmpty()) {
        messenger().showMessage(LoadStr(IDS_NO_VALID_ISBN));
        focusIsbnEdit();
        return false;
    }
    return true;
}

void CAddBookDlg::accept()
{
    onModeChosen();
    m_title = ui->editTitle->text().trimmed();
    m_author = ui->editAuthor->text().trimmed();
    m_publisher = ui->editPublisher->text().trimmed();
    if (m_mode == ModeIsbn) {
        if (!collectIsbns())
            return;
    } else if (m_mode == ModeKeywords) {
        m_isbnList.clear();
        if (m_title.isEmpty() && m_author.isEmpty() && m_publisher.isEmpty()) {
            messenger().showMessage(LoadStr(IDS_ENTER_TITLE_AUTHOR_PUBLISHER));
            ui->editTitle->setFocus();
            return;
        }
    } else {
        m_isbnList.clear();
    }
    QDialog::accept();
}

void CAddBookDlg::OnLoad()
{
    const QString path = m_openDialog(this, DialogFilter(LoadStr(IDS_FILTER_TEXT)));
    if (!path.isEmpty()) {
        QString text;
        // A file too large to be an ISBN list is refused like one that
        // cannot be read.
        if (ReadIsbnListFile(path, text) != IsbnFileRead::Ok)
            messenger().showMessage(LoadStr(IDS_CANNOT_OPEN_FOR_READING));
        else if (!text.isEmpty())
            setIsbnText(text);
    }
    focusIsbnEdit();
}

void CAddBookDlg::OnSave()
{
    const QString text = isbnText().trimmed();
    if (text.isEmpty()) {
        messenger().showMessage(LoadStr(IDS_NOTHING_TO_SAVE));
        return;
    }
    const QString path = m_saveDialog(this, DialogFilter(LoadStr(IDS_FILTER_TEXT)));
    if (path.isEmpty())
        return;
    if (!WriteIsbnListFile(path, text)) {
        messenger().showMessage(LoadStr(IDS_CANNOT_OPEN_FOR_WRITING));
        return;
    }
    messenger().showMessage(LoadStr(IDS_FILE_SAVED), IMessenger::Icon::Information);
    focusIsbnEdit();
}

void CAddBookDlg::appendIsbns(const QStringList &isbns)
{
    if (isbns.isEmpty())
        return;
    setMode(ModeIsbn);
    QString text = isbnText();
    // Trailing blank lines would hide the new lines behind an empty one.
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    setIsbnText(text + isbns.join(QLatin1Char('\n')));
    ui->editIsbns->moveCursor(QTextCursor::End);
    focusIsbnEdit();
}

void CAddBookDlg::OnScanCamera()
{
    CBarcodeScanDlg scan(CBarcodeScanDlg::Source::Camera, this);
    if (m_picturesDialog)
        scan.setOpenPicturesDialog(m_picturesDialog);
    if (scan.exec() == QDialog::Accepted)
        appendIsbns(scan.isbns());
}

void CAddBookDlg::OnScanPictures()
{
    CBarcodeScanDlg scan(CBarcodeScanDlg::Source::Pictures, this);
    if (m_picturesDialog)
        scan.setOpenPicturesDialog(m_picturesDialog);
    if (!scan.OnAddPictures())
        return;
    if (scan.exec() == QDialog::Accepted)
        appendIsbns(scan.isbns());
}
