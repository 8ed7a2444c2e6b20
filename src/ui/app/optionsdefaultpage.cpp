#include "optionsdefaultpage.h"

#include "loans/loantools.h"
#include "ui_optionsdefaultpage.h"

#include "catalog/lookup.h"

namespace {

// Selects the first entry that begins with text, without regard to case.
// Without one, an editable box shows the text as typed and a list shows no
// selection. An empty text matches nothing, so an unset default stays unset.
void selectByPrefix(QComboBox *combo, const QString &text)
{
    int found = -1;
    if (!text.isEmpty()) {
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
                found = i;
                break;
            }
        }
    }
    combo->setCurrentIndex(found);
    if (found < 0 && combo->isEditable())
        combo->setEditText(text);
}

QString comboText(const QComboBox *combo)
{
    if (combo->isEditable())
        return combo->currentText();
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}

} // namespace

COptionsDefaultPage::COptionsDefaultPage(QWidget *parent)
    : CPropertyPage(tr("&Default Values"), parent), ui(std::make_unique<Ui::COptionsDefaultPage>())
{
    ui->setupUi(this);
    connect(ui->checkPurchaseDate, &QCheckBox::toggled, this, &COptionsDefaultPage::updateDateControls);
    connect(ui->checkPurchaseToday, &QCheckBox::toggled, this, [this](bool today) {
        // "Today" always means a date, and shows today's.
        if (today) {
            ui->checkPurchaseDate->setChecked(true);
            ui->datePurchase->setDate(QDate::currentDate());
        }
        updateDateControls();
    });
}

COptionsDefaultPage::~COptionsDefaultPage() = default;

void COptionsDefaultPage::OnInitDialog()
{
    if (m_connection) {
        const struct
        {
            const char *table;
            QComboBox *combo;
        } lists[] = {
            {"booklanguage", ui->comboLanguage}, {"bookextras", ui->comboExtras},
            {"bookstore", ui->comboStore},       {"booklocation", ui->comboLocation},
            {"bookformat", ui->comboFormat},     {"bookstatus", ui->comboStatus},
        };
        for (const auto &list : lists) {
            // After a reported error the list keeps what was read.
            QStringList names;
            ReadLookupNames(QLatin1String(list.table), *m_connection, names);
            list.combo->addItems(names);
        }
    }
    m_values = ReadDefaultValues();
    m_loanDays = CLoanTools::DefaultLoanDays();
    CPropertyPage::OnInitDialog();
}

void COptionsDefaultPage::DoDataExchange(bool saveAndValidate)
{
    DefaultValues &v = m_values;
    if (saveAndValidate) {
        v.language = comboText(ui->comboLanguage);
        v.extras = comboText(ui->comboExtras);
        v.store = comboText(ui->comboStore);
        v.location = comboText(ui->comboLocation);
        v.userText1 = ui->editUserText1->text();
        v.userText2 = ui->editUserText2->text();
        v.format = comboText(ui->comboFormat);
        v.purchaseToday = ui->checkPurchaseToday->isChecked();
        v.purchaseDate =
            ui->checkPurchaseDate->isChecked() || v.purchaseToday ? ui->datePurchase->date() : QDate();
        v.ebookOnly = ui->checkEbookOnly->isChecked();
        v.status = comboText(ui->comboStatus);
        m_loanDays = ui->spinLoanDays->value();
        return;
    }
    ui->spinLoanDays->setValue(m_loanDays);
    selectByPrefix(ui->comboLanguage, v.language);
    selectByPrefix(ui->comboExtras, v.extras);
    selectByPrefix(ui->comboStore, v.store);
    selectByPrefix(ui->comboLocation, v.location);
    ui->editUserText1->setText(v.userText1);
    ui->editUserText2->setText(v.userText2);
    selectByPrefix(ui->comboFormat, v.format);
    // Without a date the picker keeps today's date for when the box is ticked.
    ui->datePurchase->setDate(v.purchaseDate.isValid() ? v.purchaseDate : QDate::currentDate());
    ui->checkPurchaseDate->setChecked(v.purchaseDate.isValid() || v.purchaseToday);
    ui->checkPurchaseToday->setChecked(v.purchaseToday);
    if (v.purchaseToday)
        ui->datePurchase->setDate(QDate::currentDate());
    updateDateControls();
    ui->checkEbookOnly->setChecked(v.ebookOnly);
    selectByPrefix(ui->comboStatus, v.status);
}

void COptionsDefaultPage::updateDateControls()
{
    const bool today = ui->checkPurchaseToday->isChecked();
    ui->checkPurchaseDate->setEnabled(!today);
    ui->datePurchase->setEnabled(ui->checkPurchaseDate->isChecked() && !today);
}
