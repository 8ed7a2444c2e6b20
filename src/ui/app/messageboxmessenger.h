#pragma once

#include "app/messenger.h"

#include <QPointer>
#include <QWidget>

// Shows the program's messages and questions in message boxes over the main
// window. Safe to call from a worker thread: the box is shown by the
// user-interface thread while the caller waits.
class CMessageBoxMessenger : public IMessenger
{
public:
    explicit CMessageBoxMessenger(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParentWidget(QWidget *parent) { m_parent = parent; }
    QWidget *parentWidget() const { return m_parent; }

    void showMessage(const QString &text, Icon icon = Icon::Warning) override;
    bool askYesNo(const QString &text, Icon icon = Icon::Question) override;

private:
    QPointer<QWidget> m_parent;
};
