#pragma once

#include "lockkeystate.h"

#include <QObject>
#include <functional>
#include <optional>

class QLabel;

// The status bar's CAP, NUM and SCRL panes: lit while that lock is on. The
// state is read from the system where it can be (X11), from the start and
// again after each lock key and each return to the program; elsewhere the
// panes start off and follow the lock key presses.
class CLockKeyIndicators : public QObject
{
    Q_OBJECT

public:
    using Reader = std::function<std::optional<LockKeyState>()>;

    // Watches the whole application's key events; the labels stay the caller's.
    CLockKeyIndicators(QLabel *caps, QLabel *num, QLabel *scroll, QObject *parent = nullptr);
    ~CLockKeyIndicators() override;

    // Instead of the X keyboard extension (tests); refreshes at once.
    void setReader(Reader reader);
    // Reads the state again when a reader can tell it.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const LockKeyState &state);

    QLabel *m_caps;
    QLabel *m_num;
    QLabel *m_scroll;
    Reader m_reader;
    LockKeyState m_state;
};
