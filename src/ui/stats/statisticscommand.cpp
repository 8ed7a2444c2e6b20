#include "statisticscommand.h"

#include "app/commandids.h"
#include "catalog/booklistquery.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "statisticswindow.h"

CStatisticsCommand::CStatisticsCommand(COrdoDoc *doc, QWidget *window)
    : QObject(window), m_doc(doc), m_window(window)
{
    // The window counts one catalogue: another one opened closes it.
    connect(m_doc, &COrdoDoc::documentOpened, this, [this] {
        if (m_statsWindow)
            m_statsWindow->close();
    });
}

bool CStatisticsCommand::servesCommand(int id) const
{
    return id == Cmd::Statistics;
}

bool CStatisticsCommand::isCommandEnabled(int) const
{
    return m_doc->hasConnection();
}

QString CStatisticsCommand::categoryName() const
{
    const CategoryId category = m_doc->currentCategory();
    if (category < 0 || IsListOnlyCategory(category))
        return {};
    Recordset rs;
    if (!rs.open(*m_doc->connection(), QStringLiteral("SELECT Name FROM category WHERE CatID = %1").arg(category)) ||
        rs.isEOF())
        return {};
    return rs.fieldText(0);
}

void CStatisticsCommand::runCommand(int id)
{
    if (id != Cmd::Statistics || !m_doc->hasConnection())
        return;
    const bool opened = !m_statsWindow;
    if (opened) {
        m_statsWindow = new CStatisticsWindow(m_doc->path(), m_window);
        m_statsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    const CategoryId category = m_doc->currentCategory() < 0 ? CategoryId(1) : m_doc->currentCategory();
    m_statsWindow->setContext(category, categoryName(), m_doc->selectedBooks());
    m_statsWindow->refresh();
    m_statsWindow->show();
    m_statsWindow->raise();
    m_statsWindow->activateWindow();
}
