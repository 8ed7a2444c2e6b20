#pragma once

#include "widgets/propertysheet.h"

#include <QDate>
#include <memory>

class Connection;

namespace Ui {
class CBookBasicPage;
}

// "General": title, author, publisher, ISBN and the other catalogue details
// of a book. The members are what the sheet reads and writes; lookup values
// are carried as names. A null release date means "no date".
class CBookBasicPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CBookBasicPage(QWidget *parent = nullptr);
    ~CBookBasicPage() override;

    // The catalogue whose lookup tables fill the lists (borrowed).
    void setConnection(Connection *connection) { m_connection = connection; }

    // The page's controls, for the sheet and for tests.
    Ui::CBookBasicPage *form() const { return ui.get(); }

    QString m_title;
    QString m_subtitle;
    QString m_author;
    QString m_url;
    QString m_edition;
    QString m_publisher;
    QString m_isbn;
    QString m_pageCount;
    QString m_language;
    QDate m_releaseDate = QDate::currentDate();
    QString m_binding;
    QString m_dimension;
    QString m_extras;
    QString m_series;
    QString m_seriesNumber;

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    // Trims the title and refuses an empty one.
    bool OnKillActive() override;

private:
    std::unique_ptr<Ui::CBookBasicPage> ui;
    Connection *m_connection = nullptr;
};
