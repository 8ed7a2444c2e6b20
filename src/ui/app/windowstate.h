#pragma once

#include <QByteArray>
#include <QList>

class QHeaderView;
class QMainWindow;
class QSplitter;

// How the user left the main window: its geometry, whether it was maximised,
// both splitters and the book list's column widths. Kept in the settings
// under Settings\Window so the next run looks the same.
class CWindowState
{
public:
    // False when nothing was stored yet (a first run).
    bool Read();
    bool Write() const;

    void Capture(const QMainWindow &window, const QSplitter &outer, const QSplitter &inner,
                 const QHeaderView &columns);
    // Splitters and columns only; the window's own placement is Show's.
    void ApplyLayout(QSplitter &outer, QSplitter &inner, QHeaderView &columns) const;
    // Shows the window where it was, or maximised at a sensible size when
    // nothing is known (a desktop that does not maximise gets that size).
    void Show(QMainWindow &window, bool known) const;

    QByteArray geometry;
    bool maximised = true;
    QList<int> outerSizes;
    QList<int> innerSizes;
    QList<int> columnWidths;
};
