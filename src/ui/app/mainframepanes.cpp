// The three panes of the main window and how they are coupled.
#include "catalog/ordodoc.h"
#include "commandids.h"
#include "mainframe.h"

#include <QLabel>
#include <QSplitter>

namespace {

// Stands in for a pane whose view is not built yet; serves no command.
class PlaceholderPane : public QLabel, public ICommandTarget
{
public:
    explicit PlaceholderPane(const QString &name, QWidget *parent) : QLabel(parent)
    {
        setObjectName(name);
        setFocusPolicy(Qt::StrongFocus);
        setAlignment(Qt::AlignCenter);
    }
    bool servesCommand(int) const override { return false; }
    bool isCommandEnabled(int) const override { return false; }
    void runCommand(int) override {}
};

} // namespace

void CMainFrame::buildPanes()
{
    m_outer = new QSplitter(Qt::Horizontal, this);
    m_outer->setObjectName(QStringLiteral("outerSplitter"));
    m_inner = new QSplitter(Qt::Vertical, m_outer);
    m_inner->setObjectName(QStringLiteral("innerSplitter"));

    // Views are created in the order tree, list, page view: the routing order.
    auto *tree = new PlaceholderPane(QStringLiteral("treePane"), m_outer);
    m_outer->insertWidget(0, tree);
    auto *list = new PlaceholderPane(QStringLiteral("listPane"), m_inner);
    auto *page = new PlaceholderPane(QStringLiteral("pagePane"), m_inner);
    m_inner->addWidget(list);
    m_inner->addWidget(page);

    m_outer->setStretchFactor(0, 0);
    m_outer->setStretchFactor(1, 1);
    m_outer->setSizes({200, 800});
    m_inner->setSizes({300, 300});
    setCentralWidget(m_outer);

    m_router.setPanes({{tree, tree}, {list, list}, {page, page}});
    wirePanes();
}

void CMainFrame::wirePanes()
{
}

void CMainFrame::onBasicSearch()
{
}

void CMainFrame::onRunSql()
{
}

void CMainFrame::onOptions()
{
}
