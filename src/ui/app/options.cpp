#include "options.h"

#include "app/strings.h"
#include "loans/loantools.h"
#include "optionsdefaultpage.h"
#include "optionsonlinepage.h"
#include "optionsuipage.h"

COptions::COptions(std::shared_ptr<Connection> connection, QWidget *parent)
    : CPropertySheet(LoadStr(IDS_OPTIONS), parent), m_defaultPage(new COptionsDefaultPage),
      m_uiPage(new COptionsUIPage), m_onlinePage(new COptionsOnlinePage), m_connection(std::move(connection))
{
    m_defaultPage->setConnection(m_connection.get());
    // The tab titles' access keys answer on every page, so no control of any
    // page uses them (ui.app.translations checks each language).
    AddPage(m_defaultPage);
    AddPage(m_uiPage);
    AddPage(m_onlinePage);
}

COptions::~COptions() = default;

DefaultValues COptions::defaultValues() const
{
    return m_defaultPage->values();
}

std::optional<QString> COptions::chosenLanguage() const
{
    // A page never opened has chosen nothing: the setting stays as it is
    // rather than becoming empty (which would mean English).
    if (!m_uiPage->IsInitialized())
        return std::nullopt;
    return m_uiPage->languageName();
}

void COptions::save(const QStringList &templates, int currentTemplate) const
{
    SaveOptions(defaultValues(), chosenLanguage(), templates, currentTemplate);
    if (m_defaultPage->IsInitialized())
        CLoanTools::SetDefaultLoanDays(m_defaultPage->loanDays());
    m_onlinePage->save();
}
