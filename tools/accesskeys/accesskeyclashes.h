#pragma once

#include <QList>
#include <QString>

class QMenu;
class QWidget;

// Two controls shown together that answer to the same Alt+letter: Qt then
// only moves between them, so neither can be reached with one key press.
struct AccessKeyClash
{
    QString place;  // the menu, or the window and the page shown in it
    QString key;    // the letter, upper case
    QString first;  // the two texts, with their "&"
    QString second;
};

// The letter a text answers to with Alt ("&File" -> "F", "文件(&F)" -> "F"),
// empty when it has none.
QString AccessKeyOf(const QString &text);

// The commands of one menu; a submenu counts as one command here and is a
// menu of its own.
QList<AccessKeyClash> MenuClashes(const QMenu *menu, const QString &place);

// The controls of a window, page by page: a tab widget, stacked widget or
// wizard shows one page at a time, together with everything around it (its
// tab titles, the buttons, the menu bar). A label's key is its buddy's.
QList<AccessKeyClash> WindowClashes(QWidget *window, const QString &place);

// "Ita, menu Edit: I in "&Incolla" and "&Invia a"".
QString DescribeClash(const AccessKeyClash &clash);
