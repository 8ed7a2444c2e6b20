#pragma once

#include "app/messenger.h"
#include "choicequestion.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <memory>

// Shows the program's messages and questions in message boxes over the main
// window. Safe to call from a worker thread: the box is shown by the
// user-interface thread while the caller waits.
class CMessageBoxMessenger : public IMessenger, public IChoiceMessenger
{
public:
    explicit CMessageBoxMessenger(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParentWidget(QWidget *parent) { m_parent = parent; }
    QWidget *parentWidget() const { return m_parent; }

    void showMessage(const QString &text, Icon icon = Icon::Warning) override;
    bool askYesNo(const QString &text, Icon icon = Icon::Question) override;
    int askChoice(const QString &text, const QStringList &buttons, Icon icon) override;

    // The box for text: plain text always (messages carry book fields and
    // web text), and never taller than the screen: text that would not fit
    // shows its beginning and "...", the whole of it under Show Details.
    static std::unique_ptr<QMessageBox> MakeBox(Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons, QWidget *parent);

private:
    QPointer<QWidget> m_parent;
};
