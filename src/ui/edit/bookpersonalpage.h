#pragma once

#include "catalog/readinglog.h"
#include "widgets/propertysheet.h"

#include <QDate>
#include <memory>

class Connection;

namespace Ui {
class CBookPersonalPage;
}

// "Personal": purchase, location, status, ratings, user texts and the ebook
// details of a book. Lookup values are carried as names; a null purchase
// date means "no date"; m_myRating 0 means unrated.
class CBookPersonalPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CBookPersonalPage(QWidget *parent = nullptr);
    ~CBookPersonalPage() override;

    // The catalogue whose lookup tables fill the lists (borrowed).
    void setConnection(Connection *connection) { m_connection = connection; }
    // A new book without a status gets the first status when the page opens.
    void setNewBook(bool isNew) { m_isNew = isNew; }

    Ui::CBookPersonalPage *form() const { return ui.get(); }

    QDate m_purchaseDate = QDate::currentDate();
    QDate m_dateAdded; // null: not known
    QString m_store;
    QString m_purchasePrice;
    QString m_listPrice;
    QString m_amazonPrice;
    QString m_location;
    QString m_status;
    QString m_currentPage;
    QString m_amazonRating;
    QString m_numOfReviews;
    int m_myRating = 0; // index into "Unrated", "1" ... "5"
    QString m_userText1;
    QString m_userText2;
    int m_ebookOnly = 0;
    QString m_format;
    QString m_size;
    CReadingLog m_readings;

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    // Prices and the current page must be numbers as typed; the members get
    // their plain form ("1234.50").
    bool OnKillActive() override;

private:
    std::unique_ptr<Ui::CBookPersonalPage> ui;
    Connection *m_connection = nullptr;
    bool m_isNew = false;
};
