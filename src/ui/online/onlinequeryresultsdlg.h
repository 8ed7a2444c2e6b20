#pragma once

#include "online/keywordchooser.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class COnlineQueryResultsDlg;
}
class CCancelToken;
class QThread;

// Lists the items a keyword search finds, one page at a time, and lets the
// user pick one. Every page is queried on a worker thread; while a query
// runs, paging and OK wait. The first page is queried before the window
// shows: with no item the dialog ends as cancelled, with exactly one it ends
// as OK on that item without showing itself.
class COnlineQueryResultsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit COnlineQueryResultsDlg(QWidget *parent = nullptr);
    ~COnlineQueryResultsDlg() override;

    // The keyword request for one page (it shows its own failures, from
    // whichever thread runs it) and the token that aborts it (may be null).
    void setQuery(IKeywordChooser::Query query, CCancelToken *token);
    // Page 1 when the caller has already queried it; the list shows it at once.
    void setFirstPage(const CSearchPage &page);

    // Queries the first page (unless given), then shows the window unless
    // that page decides: no row ends as cancelled, one row as OK on it.
    int exec() override;

    // Starts the query of one page on a worker thread; the list fills when it ends.
    void RunQuery(int page);

    int currentPage() const { return m_currentPage; }
    int totalPages() const { return m_totalPages; }
    bool isQueryRunning() const { return m_worker != nullptr; }
    // On OK: the chosen row, as the list showed it.
    const CSearchRow &chosenRow() const { return m_chosen; }
    // Its item key (an ISBN for most items).
    QString chosenIdentifier() const { return m_chosen.itemKey; }
    // The last failure shown by a query; empty when none.
    QString messageText() const { return m_messageText; }
    // Queries sent so far (first page included).
    int queryCount() const { return m_queryCount; }

public slots:
    void accept() override;
    void reject() override;
    void OnFirstPage();
    void OnPreviousPage();
    void OnNextPage();
    void OnLastPage();

signals:
    // A page query has ended and the list shows its result.
    void queryFinished();

private:
    bool prepareQuery(int page);
    void showPage(const CSearchPage &result);
    void setBusy(bool busy);
    void waitForWorker();

    std::unique_ptr<Ui::COnlineQueryResultsDlg> ui;
    IKeywordChooser::Query m_query;
    CCancelToken *m_token = nullptr;
    int m_currentPage = 0;
    int m_totalPages = 0;
    QVector<CSearchRow> m_rows; // the rows of the page shown
    CSearchRow m_chosen;
    QString m_messageText;
    int m_queryCount = 0;
    QThread *m_worker = nullptr;
};
