#include "resultschooser.h"

#include "onlinequeryresultsdlg.h"

#include <QCoreApplication>
#include <QThread>

CResultsChooser::CResultsChooser(QWidget *parent, CCancelToken *token, QWidget *hideWhileChoosing)
    : m_parent(parent), m_token(token), m_hide(hideWhileChoosing)
{
}

bool CResultsChooser::Choose(const QString &, const QString &, const QString &, const Query &query,
                             CSearchRow &chosen, QString &messageText)
{
    // The first page decides whether there is anything to choose from; its
    // failure or empty result has been shown by the query.
    const CSearchPage first = query(1);
    messageText = first.message;
    if (first.outcome != LookupOutcome::Found || first.rows.isEmpty())
        return false;
    if (first.rows.size() == 1) {
        chosen = first.rows.constFirst();
        return true;
    }
    bool picked = false;
    auto choose = [&] { picked = chooseOnUiThread(first, query, chosen, messageText); };
    QCoreApplication *app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread())
        choose();
    else
        QMetaObject::invokeMethod(app, choose, Qt::BlockingQueuedConnection);
    return picked;
}

bool CResultsChooser::chooseOnUiThread(const CSearchPage &firstPage, const Query &query, CSearchRow &chosen,
                                       QString &messageText)
{
    const bool hidden = m_hide && m_hide->isVisible();
    if (hidden)
        m_hide->hide();
    COnlineQueryResultsDlg dialog(m_parent);
    dialog.setQuery(query, m_token);
    dialog.setFirstPage(firstPage);
    const int result = m_runner ? m_runner(dialog) : dialog.exec();
    if (hidden)
        m_hide->show();
    if (result == QDialog::Accepted) {
        chosen = dialog.chosenRow();
        return !chosen.itemKey.isEmpty();
    }
    if (!dialog.messageText().isEmpty())
        messageText = dialog.messageText();
    return false;
}
