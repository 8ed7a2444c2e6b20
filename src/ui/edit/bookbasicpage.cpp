#include "bookbasicpage.h"
#include "ui_bookbasicpage.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/typednumber.h"
#include "lookupcombo.h"

CBookBasicPage::CBookBasicPage(QWidget *parent)
    : CPropertyPage(tr("&General"), parent), ui(std::make_unique<Ui::CBookBasicPage>())
{
    ui->setupUi(this);
}

CBookBasicPage::~CBookBasicPage() = default;

void CBookBasicPage::OnInitDialog()
{
    FillLookupCombo(ui->comboPublisher, QStringLiteral("bookpublisher"), m_connection);
    FillLookupCombo(ui->comboLanguage, QStringLiteral("booklanguage"), m_connection);
    FillLookupCombo(ui->comboBinding, QStringLiteral("bookbinding"), m_connection);
    FillLookupCombo(ui->comboExtras, QStringLiteral("bookextras"), m_connection);
    FillLookupCombo(ui->comboSeries, QStringLiteral("bookseries"), m_connection);
    CPropertyPage::OnInitDialog();
}

void CBookBasicPage::DoDataExchange(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_title = ui->editTitle->text();
        m_subtitle = ui->editSubtitle->text();
        m_author = ui->editAuthor->text();
        m_url = ui->editUrl->text();
        m_edition = ui->editEdition->text();
        m_publisher = ComboText(ui->comboPublisher);
        m_isbn = ui->editIsbn->text();
        m_pageCount = ui->editPage->text();
        m_language = ComboText(ui->comboLanguage);
        m_releaseDate = ui->dateRelease->date();
        m_binding = ComboText(ui->comboBinding);
        m_dimension = ui->editDimension->text();
        m_extras = ComboText(ui->comboExtras);
        m_series = ComboText(ui->comboSeries);
        m_seriesNumber = ui->editSeriesNumber->text().trimmed();
        return;
    }
    ui->editTitle->setText(m_title);
    ui->editSubtitle->setText(m_subtitle);
    ui->editAuthor->setText(m_author);
    ui->editUrl->setText(m_url);
    ui->editEdition->setText(m_edition);
    SetComboText(ui->comboPublisher, m_publisher);
    ui->editIsbn->setText(m_isbn);
    ui->editPage->setText(m_pageCount);
    SetComboText(ui->comboLanguage, m_language);
    ui->dateRelease->setDate(m_releaseDate);
    SetComboText(ui->comboBinding, m_binding);
    ui->editDimension->setText(m_dimension);
    SetComboText(ui->comboExtras, m_extras);
    SetComboText(ui->comboSeries, m_series);
    ui->editSeriesNumber->setText(m_seriesNumber);
}

bool CBookBasicPage::OnKillActive()
{
    m_title = m_title.trimmed();
    if (m_title.isEmpty()) {
        ui->editTitle->setText(m_title);
        messenger().showMessage(LoadStr(IDS_BOOK_TITLE_EMPTY), IMessenger::Icon::Warning);
        ui->editTitle->setFocus();
        return false;
    }
    // The page count is stored as a number: "xii, 340" would become 0.
    const std::optional<QString> pages = ParseCountText(m_pageCount);
    if (!pages) {
        messenger().showMessage(
            tr("\"%1\" is not a number of pages. Please type digits only, for example 340.")
                .arg(m_pageCount.trimmed()),
            IMessenger::Icon::Warning);
        ui->editPage->setFocus();
        ui->editPage->selectAll();
        return false;
    }
    m_pageCount = *pages;
    return true;
}
