#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

// Counts paint events of a widget: what a benchmark waits for is on the
// screen once the event loop has handled one after the action.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
