#pragma once

#include "online/canceltoken.h"
#include "online/connectiontest.h"
#include "online/lookupsource.h"
#include "online/onlinesettings.h"
#include "widgets/propertysheet.h"

#include <memory>

namespace Ui {
class COptionsOnlinePage;
}
class QCheckBox;
class QLineEdit;
class QThread;

// "Online": where books are looked up (the sources the lookup offers), the
// Google Books key, the contact address sent with requests, the form ISBNs
// are stored in, the other sources to ask when the chosen one does not know
// an ISBN, the address of each service with a Reset to its default, and a
// test of the connection with the values as they stand on the page. The
// sources, their names and address settings come from the sources
// themselves (LookupSources).
class COptionsOnlinePage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit COptionsOnlinePage(QWidget *parent = nullptr);
    ~COptionsOnlinePage() override;

    // The settings as the page holds them (as stored until the page is
    // visited).
    const COnlineSettings &settings() const { return m_settings; }

    // Writes the settings (group Settings/Online) when the page was
    // visited; a page never opened changes nothing.
    void save() const;

    // True while a connection test runs.
    bool isTesting() const { return m_testThread != nullptr; }

signals:
    void connectionTested(const QString &text);

protected:
    void DoDataExchange(bool saveAndValidate) override;
    // Refuses an address the lookup cannot ask (not http or https).
    bool OnKillActive() override;

private:
    // One address setting and its controls.
    struct AddressRow
    {
        CServiceAddress address;
        QLineEdit *edit = nullptr;
    };

    void buildSourceControls();
    void readControls(COnlineSettings &settings) const;
    void testConnection();
    void showTestResult(const CConnectionTestResult &result);
    void updateFallbackBoxes();

    std::unique_ptr<Ui::COptionsOnlinePage> ui;
    QVector<CLookupSourceInfo> m_sources;
    QVector<QCheckBox *> m_fallbackBoxes; // one per source, in m_sources' order
    QVector<AddressRow> m_addressRows;
    COnlineSettings m_settings;
    QThread *m_testThread = nullptr;
    CCancelToken m_testCancel;
    CConnectionTestResult m_testResult;
};
