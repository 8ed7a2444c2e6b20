#include "messageboxmessenger.h"

#include "uithread.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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

// The lines a box may show: a third of the screen's height, the rest is buttons,
// icon and frame. Long lines count as wrapped at about 40 characters.
QString fittingText(const QString &text, int maxLines, bool *cut)
{
    constexpr int kCharsPerLine = 40; // wide (CJK) characters wrap early
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList shown;
    int used = 0;
    *cut = false;
    for (const QString &line : lines) {
        const int wrapped = qMax(1, int((line.size() + kCharsPerLine - 1) / kCharsPerLine));
        if (used + wrapped > maxLines) {
            const int room = maxLines - used;
            if (room > 0)
                shown << line.left(room * kCharsPerLine);
            *cut = true;
            break;
        }
        shown << line;
        used += wrapped;
    }
    QString result = shown.join(QLatin1Char('\n'));
    if (*cut) {
        result += QLatin1String("...");
        // A question comes last: it must stay in view.
        if (lines.size() > 1 && lines.last().size() <= kCharsPerLine * 2)
            result += QLatin1String("\n\n") + lines.last();
    }
    return result;
}

} // namespace

std::unique_ptr<QMessageBox> CMessageBoxMessenger::MakeBox(Icon icon, const QString &text,
                                                           QMessageBox::StandardButtons buttons,
                                                           QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(boxIcon(icon), boxTitle(), QString(), buttons, parent);
    // Messages can carry text from a web service: never render it as HTML.
    box->setTextFormat(Qt::PlainText);
    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const int lineHeight = qMax(1, box->fontMetrics().lineSpacing());
    const int maxLines = screen ? qMax(5, screen->availableGeometry().height() / 3 / lineHeight) : 30;
    bool cut = false;
    box->setText(fittingText(text, maxLines, &cut));
    if (cut)
        box->setDetailedText(text);
    return box;
}

void CMessageBoxMessenger::showMessage(const QString &text, Icon icon)
{
    RunOnUiThread([&] {
        const auto box = MakeBox(icon, text, QMessageBox::Ok, m_parent);
        box->exec();
    });
}

bool CMessageBoxMessenger::askYesNo(const QString &text, Icon icon)
{
    bool yes = false;
    RunOnUiThread([&] {
        const auto box = MakeBox(icon, text, QMessageBox::Yes | QMessageBox::No, m_parent);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        yes = box->exec() == QMessageBox::Yes;
    });
    return yes;
}

int CMessageBoxMessenger::askChoice(const QString &text, const QStringList &buttons, Icon icon)
{
    int chosen = int(buttons.size()) - 1;
    RunOnUiThread([&] {
        const auto box = MakeBox(icon, text, QMessageBox::NoButton, m_parent);
        QList<QAbstractButton *> made;
        for (int i = 0; i < buttons.size(); ++i) {
            const bool last = i == buttons.size() - 1;
            made << box->addButton(buttons.at(i), last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        }
        if (made.isEmpty())
            return;
        box->setDefaultButton(qobject_cast<QPushButton *>(made.constFirst()));
        box->setEscapeButton(made.constLast());
        box->exec();
        chosen = int(made.indexOf(box->clickedButton()));
        if (chosen < 0)
            chosen = int(made.size()) - 1;
    });
    return chosen;
}
