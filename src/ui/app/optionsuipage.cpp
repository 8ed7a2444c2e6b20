#include "optionsuipage.h"
#include "ui_optionsuipage.h"

#include "app/apppaths.h"
#include "app/defaultvalues.h"

#include <algorithm>

COptionsUIPage::COptionsUIPage(QWidget *parent)
    : CPropertyPage(tr("&User Interface"), parent), ui(std::make_unique<Ui::COptionsUIPage>())
{
    ui->setupUi(this);
}

COptionsUIPage::~COptionsUIPage() = default;

void COptionsUIPage::OnInitDialog()
{
    QStringList names;
    for (const QString &code : FindLanguageCodes(AppFolder())) {
        const QString name = LanguageListName(code);
        if (!names.contains(name))
            names << name;
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });
    ui->comboInterfaceLanguage->addItems(names);
    m_languageName = LanguageListName(UILanguageCode());
    CPropertyPage::OnInitDialog();
}

void COptionsUIPage::DoDataExchange(bool saveAndValidate)
{
    QComboBox *combo = ui->comboInterfaceLanguage;
    if (saveAndValidate) {
        m_languageName = combo->currentIndex() >= 0 ? combo->currentText() : QString();
        return;
    }
    int index = combo->findText(m_languageName, Qt::MatchFixedString);
    if (index < 0)
        index = combo->findText(m_languageName, Qt::MatchStartsWith);
    combo->setCurrentIndex(m_languageName.isEmpty() ? -1 : index);
}
