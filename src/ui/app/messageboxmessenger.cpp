#include "messageboxmessenger.h"

#include "uithread.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(IMessenger::Icon icon)
{
    switch (icon) {
    case IMessenger::Icon::Information:
        return QMessageBox::Information;
    case IMessenger::Icon::Warning:
        return QMessageBox::Warning;
    case IMessenger::Icon::Error:
        return QMessageBox::Critical;
    case IMessenger::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString boxTitle()
{
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Ordoteca") : name;
}

} // namespace

void CMessageBoxMessenger::showMessage(const QString &text, Icon icon)
{
    RunOnUiThread([&] {
        QMessageBox box(boxIcon(icon), boxTitle(), text, QMessageBox::Ok, m_parent);
        // Messages can carry text from a web service: never render it as HTML.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
}

bool CMessageBoxMessenger::askYesNo(const QString &text, Icon icon)
{
    bool yes = false;
    RunOnUiThread([&] {
        QMessageBox box(boxIcon(icon), boxTitle(), text, QMessageBox::Yes | QMessageBox::No, m_parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        yes = box.exec() == QMessageBox::Yes;
    });
    return yes;
}
