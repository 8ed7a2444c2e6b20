#include "commandrouter.h"

#include <QApplication>
#include <QWidget>

CommandRouter::CommandRouter(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, &CommandRouter::onFocusChanged);
}

void CommandRouter::setPanes(const QVector<Pane> &panes)
{
    m_panes = panes;
    m_active = 0;
}

void CommandRouter::setChain(const QVector<ICommandTarget *> &chain)
{
    m_chain = chain;
}

void CommandRouter::addToChain(ICommandTarget *target)
{
    if (target && !m_chain.contains(target))
        m_chain << target;
}

ICommandTarget *CommandRouter::activePane() const
{
    return m_panes.isEmpty() ? nullptr : m_panes.at(m_active).target;
}

QWidget *CommandRouter::activePaneWidget() const
{
    return m_panes.isEmpty() ? nullptr : m_panes.at(m_active).widget;
}

void CommandRouter::setActivePane(QWidget *paneWidget)
{
    for (int i = 0; i < m_panes.size(); ++i) {
        if (m_panes.at(i).widget == paneWidget && m_active != i) {
            m_active = i;
            emit activePaneChanged();
            return;
        }
    }
}

void CommandRouter::onFocusChanged(QWidget *, QWidget *now)
{
    for (QWidget *w = now; w; w = w->parentWidget()) {
        for (const Pane &pane : std::as_const(m_panes)) {
            if (pane.widget == w) {
                setActivePane(w);
                return;
            }
        }
    }
}

ICommandTarget *CommandRouter::targetFor(int id) const
{
    ICommandTarget *active = activePane();
    if (active && active->servesCommand(id))
        return active;
    for (ICommandTarget *t : m_chain) {
        if (t && t->servesCommand(id))
            return t;
    }
    for (const Pane &pane : m_panes) {
        if (pane.target != active && pane.target && pane.target->servesCommand(id))
            return pane.target;
    }
    return nullptr;
}

bool CommandRouter::isEnabled(int id) const
{
    if (m_veto && m_veto(id))
        return false;
    ICommandTarget *t = targetFor(id);
    return t && t->isCommandEnabled(id);
}

bool CommandRouter::isChecked(int id) const
{
    ICommandTarget *t = targetFor(id);
    return t && t->isCommandChecked(id);
}

bool CommandRouter::run(int id)
{
    // Checked again at the moment of the command: a stale menu or an
    // accelerator must never run a disabled command.
    if (m_veto && m_veto(id))
        return false;
    ICommandTarget *t = targetFor(id);
    if (!t || !t->isCommandEnabled(id))
        return false;
    t->runCommand(id);
    return true;
}
