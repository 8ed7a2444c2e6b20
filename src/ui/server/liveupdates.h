#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class CCatalogueWatcher;
class COrdoDoc;
class COrdoListView;
class COrdoTreeView;

// Keeps the window in step with a shared catalogue: what other people add,
// change, move or delete shows in the tree and the list without the user's
// place being lost. Changes that come while a dialog is open (a book being
// edited) wait until it closes, so that nothing moves under it.
class CLiveUpdates : public QObject
{
    Q_OBJECT

public:
    CLiveUpdates(COrdoDoc *doc, COrdoTreeView *tree, COrdoListView *list, QObject *parent = nullptr);

    CCatalogueWatcher *watcher() const { return m_watcher; }
    // Shows the tables' changes now (the category tree too when categories
    // changed). Changes wait while a modal dialog is open.
    void apply(const QStringList &tables);
    // Everything again, and watching again (after a reconnect).
    void refreshAll();

private:
    void rewatch();
    void applyPending();

    COrdoDoc *m_doc;
    QPointer<COrdoTreeView> m_tree;
    QPointer<COrdoListView> m_list;
    CCatalogueWatcher *m_watcher;
    QStringList m_pending;
    QTimer m_retry;
};
