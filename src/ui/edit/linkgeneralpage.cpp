#include "linkgeneralpage.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/fileutil.h"
#include "ui_linkgeneralpage.h"
#include "widgets/dialogfilter.h"

#include <QFileDialog>

CLinkGeneralPage::CLinkGeneralPage(bool isAdd, QWidget *parent)
    : CPropertyPage(tr("General"), parent), ui(std::make_unique<Ui::CLinkGeneralPage>()), m_isAdd(isAdd)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("linkGeneralPage"));
    m_chooser = [this](LinkType type) { return defaultChoice(type); };
    const struct
    {
        QRadioButton *button;
        LinkType type;
    } radios[] = {{ui->radioUrl, LinkType::Url},
                  {ui->radioFile, LinkType::File},
                  {ui->radioFolder, LinkType::Folder},
                  {ui->radioOther, LinkType::Other}};
    for (const auto &r : radios) {
        const LinkType type = r.type;
        connect(r.button, &QRadioButton::clicked, this, [this, type] { ChooseType(type); });
    }
    connect(ui->buttonBrowse, &QToolButton::clicked, this, &CLinkGeneralPage::Browse);
}

CLinkGeneralPage::~CLinkGeneralPage() = default;

void CLinkGeneralPage::setChooser(Chooser chooser)
{
    if (chooser)
        m_chooser = std::move(chooser);
}

QStringList CLinkGeneralPage::Suggestions(LinkType type)
{
    switch (type) {
    case LinkType::Url:
        return {LoadStr(IDS_AUTHORS_WEBSITE), LoadStr(IDS_PUBLISHERS_WEBSITE)};
    case LinkType::File:
        return {LoadStr(IDS_EBOOK_FILE), LoadStr(IDS_OTHER_INFO)};
    case LinkType::Folder:
        return {LoadStr(IDS_EBOOK_FOLDER), LoadStr(IDS_SOURCE_CODE_FOLDER)};
    case LinkType::Other:
        break;
    }
    return {};
}

QRadioButton *CLinkGeneralPage::radio(int type) const
{
    switch (LinkType(type)) {
    case LinkType::Url:
        return ui->radioUrl;
    case LinkType::File:
        return ui->radioFile;
    case LinkType::Folder:
        return ui->radioFolder;
    case LinkType::Other:
        break;
    }
    return ui->radioOther;
}

void CLinkGeneralPage::OnInitDialog()
{
    m_type = int(m_isAdd ? LinkType::File : GuessLinkType(m_path));
    applyType();
    CPropertyPage::OnInitDialog();
}

void CLinkGeneralPage::DoDataExchange(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_title = ui->comboTitle->currentText();
        m_path = ui->editPath->text();
        m_notes = ui->editNotes->toPlainText();
        return;
    }
    radio(m_type)->setChecked(true);
    ui->comboTitle->setCurrentText(m_title);
    ui->editPath->setText(m_path);
    ui->editNotes->setPlainText(m_notes);
}

void CLinkGeneralPage::applyType()
{
    // Refilling the list must not lose a title the user typed.
    ui->comboTitle->clear();
    ui->comboTitle->addItems(Suggestions(LinkType(m_type)));
    const bool browses = m_type == int(LinkType::File) || m_type == int(LinkType::Folder);
    ui->buttonBrowse->setEnabled(browses);
}

void CLinkGeneralPage::ChooseType(LinkType type)
{
    UpdateData(true);
    m_type = int(type);
    applyType();
    UpdateData(false);
}

void CLinkGeneralPage::Browse()
{
    UpdateData(true);
    const LinkType type = LinkType(m_type);
    if (type == LinkType::File || type == LinkType::Folder) {
        const QString chosen = m_chooser ? m_chooser(type) : QString();
        if (!chosen.isEmpty())
            m_path = chosen;
    }
    UpdateData(false);
}

QString CLinkGeneralPage::defaultChoice(LinkType type)
{
    if (type == LinkType::File)
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            DialogFilter(LoadStr(IDS_FILTER_LINK_FILES)));
    return QFileDialog::getExistingDirectory(this, LoadStr(IDS_SELECT_FOLDER), QString(),
                                             QFileDialog::ShowDirsOnly);
}

bool CLinkGeneralPage::OnKillActive()
{
    m_title = m_title.trimmed();
    m_path = m_path.trimmed();
    if (m_title.isEmpty() || m_path.isEmpty()) {
        messenger().showMessage(LoadStr(IDS_LINK_TITLE_PATH_EMPTY), IMessenger::Icon::Warning);
        UpdateData(false);
        return false;
    }
    int message = 0;
    switch (LinkType(m_type)) {
    case LinkType::Url:
        if (!IsWebAddress(m_path))
            message = IDS_URL_NOT_VALID;
        break;
    case LinkType::File:
        if (!FileExists(m_path))
            message = IDS_FILE_NOT_EXIST;
        break;
    case LinkType::Folder:
        if (!FolderExists(m_path))
            message = IDS_FOLDER_NOT_EXIST;
        break;
    case LinkType::Other:
        break;
    }
    if (message == 0)
        return true;
    messenger().showMessage(LoadStr(message), IMessenger::Icon::Warning);
    ui->editPath->setFocus();
    return false;
}
