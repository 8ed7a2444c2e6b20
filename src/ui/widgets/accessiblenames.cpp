#include "accessiblenames.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidget>

namespace {

void nameIfUnnamed(QWidget *widget, const QString &name)
{
    if (widget && widget->accessibleName().isEmpty())
        widget->setAccessibleName(name);
}

} // namespace

QString AccessibleLabelText(const QString &labelText)
{
    QString text = labelText;
    // "(&X)" after a Chinese label, then the "&" of any other access key.
    static const QRegularExpression chineseKey(QStringLiteral("\\(&.\\)"));
    text.remove(chineseKey);
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xff1a)))
        text.chop(1);
    return text.trimmed();
}

void NameLabelledControls(QWidget *root)
{
    if (!root)
        return;
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QWidget *buddy = label->buddy();
        if (!buddy)
            continue;
        const QString name = AccessibleLabelText(label->text());
        if (name.isEmpty())
            continue;
        nameIfUnnamed(buddy, name);
        // The edit that takes the focus inside a combo box or a date box.
        if (auto *combo = qobject_cast<QComboBox *>(buddy))
            nameIfUnnamed(combo->lineEdit(), name);
        else if (qobject_cast<QAbstractSpinBox *>(buddy))
            nameIfUnnamed(buddy->findChild<QLineEdit *>(), name);
    }
}

bool CAccessibleNamer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow()) {
            NameLabelledControls(widget);
            // The button a toolbar shows when its window is too narrow.
            const QList<QToolButton *> extensions =
                widget->findChildren<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
            for (QToolButton *button : extensions)
                nameIfUnnamed(button, tr("More commands"));
        }
    }
    return QObject::eventFilter(watched, event);
}
