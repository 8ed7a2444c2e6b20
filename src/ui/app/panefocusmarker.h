#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

class QWidget;

// Draws a frame in the highlight colour round the pane of the main window
// that has the keyboard focus, so that Tab and F6 show where they went: a
// selected row looks the same whether its pane has the focus or not.
class CPaneFocusMarker : public QObject
{
    Q_OBJECT

public:
    CPaneFocusMarker(const QVector<QWidget *> &panes, QObject *parent = nullptr);

    // The pane marked now, or nullptr.
    QWidget *markedPane() const;

private:
    void onFocusChanged(QWidget *old, QWidget *now);

    QVector<QPointer<QWidget>> m_panes;
    QVector<QPointer<QWidget>> m_frames; // one per pane, a child of it
    int m_marked = -1;
};
