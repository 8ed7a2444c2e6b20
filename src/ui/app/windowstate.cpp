#include "windowstate.h"

#include "app/registrykey.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QStringList>

namespace {

const QString kWindowKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Window");

QString joinSizes(const QList<int> &sizes)
{
    QStringList parts;
    for (int size : sizes)
        parts << QString::number(size);
    return parts.join(QLatin1Char(','));
}

// Sizes written by an older or damaged settings file count as absent.
QList<int> splitSizes(const QString &text)
{
    QList<int> sizes;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int size = part.trimmed().toInt(&ok);
        if (!ok || size < 0 || size > 100000)
            return {};
        sizes << size;
    }
    return sizes;
}

} // namespace

bool CWindowState::Read()
{
    CRegistryKey key;
    if (!key.SetKey(kWindowKey, false))
        return false;
    geometry = QByteArray::fromBase64(key.ReadString(QStringLiteral("Geometry"), QString()).toLatin1());
    maximised = key.ReadInt(QStringLiteral("Maximized"), 1) != 0;
    outerSizes = splitSizes(key.ReadString(QStringLiteral("OuterSplitter"), QString()));
    innerSizes = splitSizes(key.ReadString(QStringLiteral("InnerSplitter"), QString()));
    columnWidths = splitSizes(key.ReadString(QStringLiteral("ListColumns"), QString()));
    return !geometry.isEmpty();
}

bool CWindowState::Write() const
{
    CRegistryKey key;
    if (!key.SetKey(kWindowKey, true))
        return false;
    bool ok = key.WriteString(QStringLiteral("Geometry"), QString::fromLatin1(geometry.toBase64()));
    ok = key.WriteInt(QStringLiteral("Maximized"), maximised ? 1 : 0) && ok;
    ok = key.WriteString(QStringLiteral("OuterSplitter"), joinSizes(outerSizes)) && ok;
    ok = key.WriteString(QStringLiteral("InnerSplitter"), joinSizes(innerSizes)) && ok;
    ok = key.WriteString(QStringLiteral("ListColumns"), joinSizes(columnWidths)) && ok;
    return ok;
}

void CWindowState::Capture(const QMainWindow &window, const QSplitter &outer, const QSplitter &inner,
                           const QHeaderView &columns)
{
    // The geometry Qt saves holds the normal size of a maximised window too.
    geometry = window.saveGeometry();
    maximised = window.isMaximized();
    outerSizes = outer.sizes();
    innerSizes = inner.sizes();
    columnWidths.clear();
    for (int i = 0; i < columns.count(); ++i)
        columnWidths << columns.sectionSize(i);
}

void CWindowState::ApplyLayout(QSplitter &outer, QSplitter &inner, QHeaderView &columns) const
{
    if (outerSizes.size() == outer.count())
        outer.setSizes(outerSizes);
    if (innerSizes.size() == inner.count())
        inner.setSizes(innerSizes);
    // Widths saved before the list had its date column (5) or its two loan
    // columns (6) still apply to the columns they were saved for; any other
    // count is damage.
    if (columnWidths.size() >= columns.count() - 3 && columnWidths.size() <= columns.count()) {
        for (int i = 0; i < columnWidths.size(); ++i) {
            if (columnWidths.at(i) > 0)
                columns.resizeSection(i, columnWidths.at(i));
        }
    }
}

void CWindowState::Show(QMainWindow &window, bool known) const
{
    if (!known || !window.restoreGeometry(geometry)) {
        // First run: most of the screen, centred, for desktops that ignore
        // the request to maximise.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            const QSize size(qMax(800, available.width() * 4 / 5), qMax(560, available.height() * 4 / 5));
            window.resize(size.boundedTo(available.size()));
            window.move(available.center() - window.rect().center());
        }
        window.showMaximized();
        return;
    }
    if (maximised)
        window.showMaximized();
    else
        window.show();
}
