#pragma once

#include "online/canceltoken.h"
#include "online/connectiontest.h"
#include "online/onlinesettings.h"
#include "widgets/propertysheet.h"

#include <memory>

namespace Ui {
class COptionsOnlinePage;
}
class QThread;

// "Online": where books are looked up (Open Library, Google Books, the
// Library of Congress or the bookstore service), the Google Books key, the
// contact address sent with requests, the form ISBNs are stored in, the
// other sources to ask when the chosen one does not know an ISBN, and a
// test of the connection with the values as they stand on the page.
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

private:
    void readControls(COnlineSettings &settings) const;
    void testConnection();
    void showTestResult(const CConnectionTestResult &result);
    void updateFallbackBoxes();

    std::unique_ptr<Ui::COptionsOnlinePage> ui;
    COnlineSettings m_settings;
    QThread *m_testThread = nullptr;
    CCancelToken m_testCancel;
    CConnectionTestResult m_testResult;
};
