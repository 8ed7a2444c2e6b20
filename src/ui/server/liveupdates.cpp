#include "liveupdates.h"

#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/cataloguecopy.h"
#include "catalog/cataloguewatcher.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"

#include <QApplication>

CLiveUpdates::CLiveUpdates(COrdoDoc *doc, COrdoTreeView *tree, COrdoListView *list, QObject *parent)
    : QObject(parent), m_doc(doc), m_tree(tree), m_list(list), m_watcher(new CCatalogueWatcher(this))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(300);
    connect(&m_retry, &QTimer::timeout, this, &CLiveUpdates::applyPending);
    connect(m_watcher, &CCatalogueWatcher::changed, this, &CLiveUpdates::apply);
    connect(m_doc, &COrdoDoc::documentOpened, this, &CLiveUpdates::rewatch);
    rewatch();
}

void CLiveUpdates::rewatch()
{
    m_pending.clear();
    m_watcher->watch(m_doc->sharedConnection());
}

void CLiveUpdates::apply(const QStringList &tables)
{
    for (const QString &table : tables) {
        if (!m_pending.contains(table))
            m_pending << table;
    }
    applyPending();
}

void CLiveUpdates::applyPending()
{
    if (m_pending.isEmpty() || !m_doc->hasConnection())
        return;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        m_retry.start();
        return;
    }
    const bool categories = m_pending.contains(QLatin1String("category"));
    // Covers others saved are copied to this computer before the page
    // shows them.
    if (m_pending.contains(QLatin1String("picture")))
        FetchServerPictures(*m_doc->connection(), ImagesFolder());
    m_pending.clear();
    if (categories && m_tree) {
        // The refill selects the first category; the user's one comes back.
        const CategoryId current = m_doc->currentCategory();
        m_tree->FillTree();
        if (QTreeWidgetItem *item = m_tree->FindItemByCatID(current))
            m_tree->setCurrentItem(item);
    }
    if (m_list)
        m_list->ReloadKeepingView();
}

void CLiveUpdates::refreshAll()
{
    rewatch();
    m_pending = {QStringLiteral("category"), QStringLiteral("book")};
    applyPending();
}
