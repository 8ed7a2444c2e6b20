#pragma once

#include "app/defaultvalues.h"
#include "widgets/propertysheet.h"

#include <memory>
#include <optional>

class Connection;
class COptionsDefaultPage;
class COptionsOnlinePage;
class COptionsUIPage;

// Tools > Options: the default values for new books, the interface
// language and the online lookup. The sheet itself writes nothing; after OK the main window calls
// save().
class COptions : public CPropertySheet
{
    Q_OBJECT

public:
    // connection: the open catalogue, or nullptr; kept alive while the sheet
    // lives.
    explicit COptions(std::shared_ptr<Connection> connection, QWidget *parent = nullptr);
    ~COptions() override;

    COptionsDefaultPage *defaultPage() const { return m_defaultPage; }
    COptionsUIPage *uiPage() const { return m_uiPage; }
    COptionsOnlinePage *onlinePage() const { return m_onlinePage; }

    DefaultValues defaultValues() const;
    // The chosen language's listed name; nullopt when the User Interface page
    // was never opened.
    std::optional<QString> chosenLanguage() const;

    // Writes the values after OK: the defaults, the interface language
    // with the template to use with it, and the online settings when their
    // page was opened (templates: the template list,
    // currentTemplate: the page view's current index).
    void save(const QStringList &templates, int currentTemplate) const;

private:
    COptionsDefaultPage *m_defaultPage = nullptr;
    COptionsUIPage *m_uiPage = nullptr;
    COptionsOnlinePage *m_onlinePage = nullptr;
    std::shared_ptr<Connection> m_connection;
};
