#include "bookpersonalpage.h"
#include "ui_bookpersonalpage.h"

#include "app/messenger.h"
#include "catalog/typednumber.h"
#include "lookupcombo.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

CBookPersonalPage::CBookPersonalPage(QWidget *parent)
    : CPropertyPage(tr("Pers&onal"), parent), ui(std::make_unique<Ui::CBookPersonalPage>())
{
    ui->setupUi(this);
}

CBookPersonalPage::~CBookPersonalPage() = default;

void CBookPersonalPage::OnInitDialog()
{
    FillLookupCombo(ui->comboStore, QStringLiteral("bookstore"), m_connection);
    FillLookupCombo(ui->comboLocation, QStringLiteral("booklocation"), m_connection);
    FillLookupCombo(ui->comboStatus, QStringLiteral("bookstatus"), m_connection);
    FillLookupCombo(ui->comboFormat, QStringLiteral("bookformat"), m_connection);
    if (m_isNew && m_status.isEmpty() && ui->comboStatus->count() > 0)
        m_status = ui->comboStatus->itemText(0);
    CPropertyPage::OnInitDialog();
}

void CBookPersonalPage::DoDataExchange(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_purchaseDate = ui->datePurchase->date();
        m_dateAdded = ui->dateAdded->date();
        m_readings = ui->readingLog->log();
        m_store = ComboText(ui->comboStore);
        m_purchasePrice = ui->editPurchasePrice->text();
        m_listPrice = ui->editListPrice->text();
        m_amazonPrice = ui->editAmazonPrice->text();
        m_location = ComboText(ui->comboLocation);
        m_status = ComboText(ui->comboStatus);
        m_currentPage = ui->editCurrentPage->text();
        m_amazonRating = ui->editAmazonRating->text();
        m_numOfReviews = ui->editNumOfReviews->text();
        // A rating outside the list (typed in by SQL) shows no entry and is
        // kept until the user picks one.
        if (ui->comboMyRating->currentIndex() >= 0)
            m_myRating = ui->comboMyRating->currentIndex();
        m_userText1 = ui->editUserText1->text();
        m_userText2 = ui->editUserText2->text();
        m_ebookOnly = ui->checkEbookOnly->isChecked() ? 1 : 0;
        m_format = ComboText(ui->comboFormat);
        m_size = ui->editSize->text();
        return;
    }
    ui->datePurchase->setDate(m_purchaseDate);
    ui->dateAdded->setDate(m_dateAdded);
    ui->readingLog->setLog(m_readings);
    SetComboText(ui->comboStore, m_store);
    ui->editPurchasePrice->setText(m_purchasePrice);
    ui->editListPrice->setText(m_listPrice);
    ui->editAmazonPrice->setText(m_amazonPrice);
    SetComboText(ui->comboLocation, m_location);
    SetComboText(ui->comboStatus, m_status);
    ui->editCurrentPage->setText(m_currentPage);
    ui->editAmazonRating->setText(m_amazonRating);
    ui->editNumOfReviews->setText(m_numOfReviews);
    const bool listed = m_myRating >= 0 && m_myRating < ui->comboMyRating->count();
    ui->comboMyRating->setCurrentIndex(listed ? m_myRating : -1);
    ui->editUserText1->setText(m_userText1);
    ui->editUserText2->setText(m_userText2);
    ui->checkEbookOnly->setChecked(m_ebookOnly != 0);
    SetComboText(ui->comboFormat, m_format);
    ui->editSize->setText(m_size);
}

bool CBookPersonalPage::OnKillActive()
{
    // Prices as the user types them ("9,40", "€12,50", "1.234,50") are stored
    // as plain numbers; text that is no price is refused rather than stored
    // as 0 or as its leading digits.
    const struct
    {
        QString *member;
        QLineEdit *edit;
    } prices[] = {
        {&m_purchasePrice, ui->editPurchasePrice},
        {&m_listPrice, ui->editListPrice},
        {&m_amazonPrice, ui->editAmazonPrice},
    };
    // A stored amount shown unchanged ("12.345" read from the catalogue) is
    // already in the plain form and must not be read again in the user's
    // locale, where the point may group thousands.
    static const QRegularExpression stored(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    for (const auto &price : prices) {
        if (!price.edit->isModified() && stored.match(price.member->trimmed()).hasMatch())
            continue;
        const std::optional<QString> amount = ParsePriceText(*price.member);
        if (!amount) {
            const QLocale locale;
            messenger().showMessage(tr("\"%1\" is not a price. Please type an amount, for example %2 or %3.")
                                        .arg(price.member->trimmed(), locale.toString(12.5, 'f', 2),
                                             locale.toCurrencyString(12.5)),
                                    IMessenger::Icon::Warning);
            price.edit->setFocus();
            price.edit->selectAll();
            return false;
        }
        *price.member = *amount;
    }
    const std::optional<QString> page = ParseCountText(m_currentPage);
    if (!page) {
        messenger().showMessage(tr("\"%1\" is not a page number. Please type digits only, for example 120.")
                                    .arg(m_currentPage.trimmed()),
                                IMessenger::Icon::Warning);
        ui->editCurrentPage->setFocus();
        ui->editCurrentPage->selectAll();
        return false;
    }
    m_currentPage = *page;
    return true;
}
