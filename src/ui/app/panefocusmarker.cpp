#include "panefocusmarker.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kWidth = 2;

// A frame over a pane's edges that lets the mouse through.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget *pane) : QWidget(pane)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        pane->installEventFilter(this);
        setGeometry(pane->rect());
        hide();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }
};

} // namespace

CPaneFocusMarker::CPaneFocusMarker(const QVector<QWidget *> &panes, QObject *parent) : QObject(parent)
{
    for (QWidget *pane : panes) {
        m_panes << pane;
        m_frames << new FocusFrame(pane);
    }
    connect(qApp, &QApplication::focusChanged, this, &CPaneFocusMarker::onFocusChanged);
}

QWidget *CPaneFocusMarker::markedPane() const
{
    return m_marked >= 0 ? m_panes.value(m_marked) : nullptr;
}

void CPaneFocusMarker::onFocusChanged(QWidget *, QWidget *now)
{
    // Focus in another window (a dialog, a menu) leaves the mark where it was.
    if (!now || m_panes.isEmpty() || !m_panes.constFirst() || now->window() != m_panes.constFirst()->window())
        return;
    int marked = -1;
    for (int i = 0; i < m_panes.size(); ++i) {
        if (m_panes.at(i) && (now == m_panes.at(i) || m_panes.at(i)->isAncestorOf(now)))
            marked = i;
    }
    if (marked == m_marked)
        return;
    m_marked = marked;
    for (int i = 0; i < m_frames.size(); ++i) {
        if (QWidget *frame = m_frames.at(i)) {
            frame->setVisible(i == marked);
            frame->raise();
        }
    }
}
