#include "accesskeyclashes.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QWizard>
#include <QWizardPage>

namespace {

// A text that answers to a key, and what it belongs to (so that one control
// met on several pages is one control).
struct Keyed
{
    QString key;
    QString text;
    const QObject *owner;
};

// What is shown at once: its own controls, plus one page of each of its
// page containers.
struct Scope
{
    QString name;
    QList<Keyed> keyed;
    QList<QList<Scope>> containers;
};

struct Group
{
    QString name;
    QList<Keyed> keyed;
};

void add(Scope &scope, const QString &text, const QObject *owner)
{
    const QString key = AccessKeyOf(text);
    if (!key.isEmpty())
        scope.keyed << Keyed{key, text, owner};
}

QString plain(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x1f"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x1f"), QStringLiteral("&"));
    return text;
}

void collect(QWidget *widget, Scope &scope, const QSet<const QObject *> &skip);

Scope pageScope(QWidget *page, const QString &name, const QSet<const QObject *> &skip)
{
    Scope scope;
    scope.name = name;
    collect(page, scope, skip);
    return scope;
}

void collect(QWidget *widget, Scope &scope, const QSet<const QObject *> &skip)
{
    for (QObject *object : widget->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        // A control hidden now may be shown later (as the buttons that come
        // after a batch), so it counts.
        if (!child || child->isWindow() || skip.contains(child))
            continue;
        if (qobject_cast<QWizardPage *>(child))
            continue; // a page of the wizard, taken as one of its pages
        if (auto *tabs = qobject_cast<QTabWidget *>(child)) {
            // The tab titles answer whichever page is shown.
            QList<Scope> pages;
            for (int i = 0; i < tabs->count(); ++i) {
                add(scope, tabs->tabText(i), tabs->tabBar());
                pages << pageScope(tabs->widget(i), plain(tabs->tabText(i)), skip);
            }
            scope.containers << pages;
            continue;
        }
        if (auto *stack = qobject_cast<QStackedWidget *>(child)) {
            QList<Scope> pages;
            for (int i = 0; i < stack->count(); ++i) {
                QWidget *page = stack->widget(i);
                pages << pageScope(page, page->objectName().isEmpty() ? QString::number(i) : page->objectName(),
                                   skip);
            }
            scope.containers << pages;
            continue;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            add(scope, button->text(), button);
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(child)) {
            // Without a buddy a label's "&" does nothing.
            if (label->buddy())
                add(scope, label->text(), label);
            continue;
        }
        if (auto *bar = qobject_cast<QMenuBar *>(child)) {
            for (QAction *action : bar->actions()) {
                if (action->isVisible())
                    add(scope, action->text(), action);
            }
            continue;
        }
        if (auto *group = qobject_cast<QGroupBox *>(child))
            add(scope, group->title(), group);
        collect(child, scope, skip);
    }
}

QList<Group> flatten(const Scope &scope)
{
    QList<Group> groups{{scope.name, scope.keyed}};
    for (const QList<Scope> &pages : scope.containers) {
        QList<Group> combined;
        for (const Group &outer : groups) {
            for (const Scope &page : pages) {
                for (const Group &inner : flatten(page)) {
                    QString name = outer.name;
                    if (!inner.name.isEmpty())
                        name += (name.isEmpty() ? QString() : QStringLiteral(" / ")) + inner.name;
                    combined << Group{name, outer.keyed + inner.keyed};
                }
            }
        }
        groups = combined;
    }
    return groups;
}

// Each pair of controls once, at the first page that shows both.
QList<AccessKeyClash> clashesOf(const QList<Group> &groups, const QString &place)
{
    QList<AccessKeyClash> clashes;
    QSet<QPair<const QObject *, const QObject *>> seen;
    for (const Group &group : groups) {
        QHash<QString, Keyed> byKey;
        for (const Keyed &k : group.keyed) {
            const auto it = byKey.constFind(k.key);
            if (it == byKey.constEnd()) {
                byKey.insert(k.key, k);
                continue;
            }
            const auto pair = qMakePair(it->owner, k.owner);
            if (seen.contains(pair))
                continue;
            seen.insert(pair);
            QString where = place;
            if (!group.name.isEmpty())
                where += QStringLiteral(" / ") + group.name;
            clashes << AccessKeyClash{where, k.key, it->text, k.text};
        }
    }
    return clashes;
}

} // namespace

QString AccessKeyOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('&')) {
            ++i; // "&&" is a plain ampersand
            continue;
        }
        return next.isSpace() ? QString() : QString(next.toUpper());
    }
    return {};
}

QList<AccessKeyClash> MenuClashes(const QMenu *menu, const QString &place)
{
    Scope scope;
    for (QAction *action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator())
            add(scope, action->text(), action);
    }
    return clashesOf(flatten(scope), place);
}

QList<AccessKeyClash> WindowClashes(QWidget *window, const QString &place)
{
    Scope scope;
    QSet<const QObject *> skip;
    if (auto *wizard = qobject_cast<QWizard *>(window)) {
        // Back, Next (or Finish) and Cancel stand beside every page.
        for (auto which : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton}) {
            QAbstractButton *button = wizard->button(which);
            add(scope, wizard->buttonText(which), button);
        }
        for (auto which : {QWizard::BackButton, QWizard::NextButton, QWizard::CommitButton, QWizard::FinishButton,
                           QWizard::CancelButton, QWizard::HelpButton, QWizard::CustomButton1,
                           QWizard::CustomButton2, QWizard::CustomButton3})
            skip.insert(wizard->button(which));
        QList<Scope> pages;
        for (int id : wizard->pageIds()) {
            QWizardPage *page = wizard->page(id);
            pages << pageScope(page, page->title().isEmpty() ? QString::number(id) : page->title(), skip);
        }
        scope.containers << pages;
    }
    collect(window, scope, skip);
    return clashesOf(flatten(scope), place);
}

QString DescribeClash(const AccessKeyClash &clash)
{
    return QStringLiteral("%1: %2 in \"%3\" and \"%4\"").arg(clash.place, clash.key, clash.first, clash.second);
}
