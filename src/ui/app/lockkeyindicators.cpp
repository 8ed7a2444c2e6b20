#include "lockkeyindicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

CLockKeyIndicators::CLockKeyIndicators(QLabel *caps, QLabel *num, QLabel *scroll, QObject *parent)
    : QObject(parent), m_caps(caps), m_num(num), m_scroll(scroll), m_reader([] { return ReadX11LockState(); })
{
    show(m_state);
    refresh();
    qApp->installEventFilter(this);
}

CLockKeyIndicators::~CLockKeyIndicators()
{
    qApp->removeEventFilter(this);
}

void CLockKeyIndicators::setReader(Reader reader)
{
    m_reader = std::move(reader);
    refresh();
}

void CLockKeyIndicators::refresh()
{
    if (!m_reader)
        return;
    if (const std::optional<LockKeyState> state = m_reader())
        show(*state);
}

void CLockKeyIndicators::show(const LockKeyState &state)
{
    m_state = state;
    m_caps->setEnabled(state.caps);
    m_num->setEnabled(state.num);
    m_scroll->setEnabled(state.scroll);
}

bool CLockKeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationActivate) {
        // The user may have changed a lock in another program.
        refresh();
    } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        const bool lockKey = k == Qt::Key_CapsLock || k == Qt::Key_NumLock || k == Qt::Key_ScrollLock;
        // A key event passes the filter once for the window it came to and
        // again for each widget it is offered to; the window's one counts.
        if (lockKey && !key->isAutoRepeat() && watched->isWindowType()) {
            const std::optional<LockKeyState> read = m_reader ? m_reader() : std::nullopt;
            if (read) {
                show(*read);
            } else if (type == QEvent::KeyPress) {
                LockKeyState toggled = m_state;
                if (k == Qt::Key_CapsLock)
                    toggled.caps = !toggled.caps;
                else if (k == Qt::Key_NumLock)
                    toggled.num = !toggled.num;
                else
                    toggled.scroll = !toggled.scroll;
                show(toggled);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
