#pragma once

#include "online/keywordchooser.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class CCancelToken;
class COnlineQueryResultsDlg;

// Lets the user pick an item of a keyword search with the results dialog.
// Called on the worker thread of a lookup: the first page is queried right
// there, and only a page of two or more items opens the dialog, on the
// user-interface thread while the worker waits.
class CResultsChooser : public IKeywordChooser
{
public:
    // Runs the ready dialog and returns its result; the default is exec().
    using DialogRunner = std::function<int(COnlineQueryResultsDlg &dialog)>;

    // parent: the window the dialog opens over; token aborts page queries;
    // hideWhileChoosing (may be null) is hidden while the dialog shows.
    CResultsChooser(QWidget *parent, CCancelToken *token, QWidget *hideWhileChoosing = nullptr);

    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

    bool Choose(const QString &title, const QString &author, const QString &publisher, const Query &query,
                CSearchRow &chosen, QString &messageText) override;

private:
    bool chooseOnUiThread(const CSearchPage &firstPage, const Query &query, CSearchRow &chosen,
                          QString &messageText);

    QPointer<QWidget> m_parent;
    CCancelToken *m_token = nullptr;
    QPointer<QWidget> m_hide;
    DialogRunner m_runner;
};
