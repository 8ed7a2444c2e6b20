#pragma once

#include "commandtarget.h"

#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>

class QWidget;

// Sends each command, with its enable check, to the first target that serves
// it: the active pane, then the chain (document, frame, application), then the
// other panes in view order. The active pane is the pane that last held the
// keyboard focus (the first pane until then).
class CommandRouter : public QObject
{
    Q_OBJECT

public:
    explicit CommandRouter(QObject *parent = nullptr);

    struct Pane
    {
        QWidget *widget = nullptr;
        ICommandTarget *target = nullptr;
    };

    // Panes in view order: tree, list, page view.
    void setPanes(const QVector<Pane> &panes);
    void setChain(const QVector<ICommandTarget *> &chain);
    void addToChain(ICommandTarget *target);

    ICommandTarget *activePane() const;
    void setActivePane(QWidget *paneWidget);
    QWidget *activePaneWidget() const;
    int paneCount() const { return int(m_panes.size()); }
    QWidget *paneWidget(int index) const { return m_panes.value(index).widget; }

    // The target that owns the command, or nullptr when nobody serves it.
    ICommandTarget *targetFor(int id) const;
    bool isEnabled(int id) const;
    bool isChecked(int id) const;
    // Runs the command when it is served and enabled; true when it ran.
    bool run(int id);
    // Disables commands whatever their target says (a read-only catalogue
    // greys every command that writes).
    void setVeto(std::function<bool(int)> veto) { m_veto = std::move(veto); }

signals:
    void activePaneChanged();

private:
    void onFocusChanged(QWidget *old, QWidget *now);

    QVector<Pane> m_panes;
    QVector<ICommandTarget *> m_chain;
    int m_active = 0;
    std::function<bool(int)> m_veto;
};
