#include "booklistmodel.h"

#include "catalog/booklistsort.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <numeric>

namespace {

const int kImageSize = 16;
const QRgb kTransparentKey = qRgb(255, 0, 255);

// Image 0: a closed book seen from the front.
void drawClosedBook(QPainter &p, int x)
{
    p.fillRect(x + 4, 2, 10, 13, QColor(236, 232, 220)); // page edges
    p.fillRect(x + 3, 1, 10, 13, QColor(40, 80, 160));   // cover
    p.fillRect(x + 3, 1, 2, 13, QColor(20, 45, 105));    // spine
    p.fillRect(x + 6, 4, 6, 2, QColor(230, 190, 60));    // title label
    p.fillRect(x + 6, 7, 4, 1, QColor(230, 190, 60));
    p.setPen(QColor(15, 30, 70));
    p.drawRect(x + 3, 1, 10, 13);
    p.setPen(QColor(120, 115, 100));
    p.drawLine(x + 5, 15, x + 14, 15);
    p.drawLine(x + 14, 3, x + 14, 15);
}

// Image 1: an open book.
void drawOpenBook(QPainter &p, int x)
{
    p.fillRect(x + 1, 4, 14, 10, QColor(40, 80, 160)); // cover behind the pages
    p.fillRect(x + 2, 3, 6, 10, QColor(250, 248, 240));
    p.fillRect(x + 8, 3, 6, 10, QColor(250, 248, 240));
    p.setPen(QColor(150, 150, 150));
    for (int y = 5; y <= 11; y += 2) {
        p.drawLine(x + 3, y, x + 6, y);
        p.drawLine(x + 9, y, x + 12, y);
    }
    p.setPen(QColor(20, 45, 105));
    p.drawLine(x + 8, 3, x + 8, 13);
    p.drawRect(x + 1, 4, 14, 10);
}

} // namespace

CBookListModel::CBookListModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_bookImage = QIcon(imageStrip().copy(0, 0, kImageSize, kImageSize));
    m_overdueImage = overdueIcon();
}

QIcon CBookListModel::overdueIcon()
{
    // A red warning triangle with a white exclamation mark.
    QImage image(kImageSize, kImageSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF triangle[] = {{8, 1}, {15, 14.5}, {1, 14.5}};
    p.setPen(QColor(120, 0, 0));
    p.setBrush(QColor(205, 30, 30));
    p.drawPolygon(triangle, 3);
    p.fillRect(QRectF(7.25, 5, 1.5, 5), Qt::white);
    p.fillRect(QRectF(7.25, 11, 1.5, 1.5), Qt::white);
    p.end();
    return QIcon(QPixmap::fromImage(image));
}

bool CBookListModel::isOverdue(int row) const
{
    if (row < 0 || row >= rowCount())
        return false;
    // Due dates are yyyy-mm-dd: compared as text they compare as dates.
    const QStringView due = text(row, DueDateColumn);
    return !due.isEmpty() && due < QStringView(m_todayText);
}

QPixmap CBookListModel::imageStrip()
{
    QImage strip(2 * kImageSize, kImageSize, QImage::Format_RGB32);
    strip.fill(kTransparentKey);
    {
        // No antialiasing: blended edges would no longer match the colour key.
        QPainter p(&strip);
        drawClosedBook(p, 0);
        drawOpenBook(p, kImageSize);
    }
    // The colour key becomes transparency.
    QImage withAlpha = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < withAlpha.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(withAlpha.scanLine(y));
        for (int x = 0; x < withAlpha.width(); ++x) {
            if (line[x] == kTransparentKey)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(withAlpha);
}

int CBookListModel::defaultColumnWidth(int column)
{
    return column == TitleColumn ? 240 : column == AuthorColumn ? 120 : 100;
}

void CBookListModel::setRows(BookListRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_shown.clear();
    m_filtered = false;
    m_allIdsValid = false;
    setToday(QDate::currentDate());
    endResetModel();
}

void CBookListModel::setShownRows(QVector<int> shown)
{
    beginResetModel();
    m_shown = std::move(shown);
    m_filtered = true;
    endResetModel();
}

void CBookListModel::showAllRows()
{
    if (!m_filtered)
        return;
    beginResetModel();
    m_shown.clear();
    m_filtered = false;
    endResetModel();
}

const QVector<BookId> &CBookListModel::allBookIds() const
{
    if (!m_allIdsValid) {
        m_allIds.resize(m_rows.size());
        for (qsizetype row = 0; row < m_rows.size(); ++row)
            m_allIds[row] = m_rows.bookId(row);
        m_allIdsValid = true;
    }
    return m_allIds;
}

void CBookListModel::clear()
{
    setRows({});
}

void CBookListModel::setRow(int row, const BookListRow &values)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows.replace(sourceRow(row), values);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

QVector<int> CBookListModel::sortRows(int column, bool ascending)
{
    if (column < 0 || column >= ColumnCount)
        return BookListSortOrder(m_rows, -1, ascending);
    const QVector<int> order = BookListSortOrder(m_rows, column, ascending);
    beginResetModel();
    m_rows.reorder(order);
    m_allIdsValid = false;
    if (!m_filtered) {
        endResetModel();
        return order;
    }
    // The rows shown stay the same books: their old model rows, read through
    // the new order, give both the new shown rows and what the caller needs.
    QVector<int> oldModelRow(m_rows.size(), -1);
    for (int row = 0; row < m_shown.size(); ++row)
        oldModelRow[m_shown[row]] = row;
    QVector<int> shown;
    QVector<int> shownOrder;
    shown.reserve(m_shown.size());
    shownOrder.reserve(m_shown.size());
    for (int row = 0; row < order.size(); ++row) {
        const int was = oldModelRow[order[row]];
        if (was >= 0) {
            shown.append(row);
            shownOrder.append(was);
        }
    }
    m_shown = std::move(shown);
    endResetModel();
    return shownOrder;
}

int CBookListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_filtered ? int(m_shown.size()) : int(m_rows.size());
}

int CBookListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CBookListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column()).toString();
    case Qt::DecorationRole:
        if (index.column() == TitleColumn)
            return m_bookImage;
        return index.column() == DueDateColumn && isOverdue(index.row()) ? QVariant(m_overdueImage)
                                                                         : QVariant();
    case Qt::ForegroundRole:
        return isOverdue(index.row()) ? QVariant(QColor(180, 0, 0)) : QVariant();
    case Qt::ToolTipRole:
        return index.column() == DueDateColumn && isOverdue(index.row())
                   ? QVariant(QCoreApplication::translate("COrdoListView", "Overdue"))
                   : QVariant();
    case Qt::UserRole:
        return bookId(index.row());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant CBookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Rows have no header on screen; a screen reader names each row by the
    // book's title instead of a number or nothing.
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole && section >= 0 && section < rowCount()
                   ? QVariant(text(section, TitleColumn).toString())
                   : QVariant();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TitleColumn:
        return QCoreApplication::translate("COrdoListView", "Title");
    case AuthorColumn:
        return QCoreApplication::translate("COrdoListView", "Author");
    case PublisherColumn:
        return QCoreApplication::translate("COrdoListView", "Publisher");
    case IsbnColumn:
        return QCoreApplication::translate("COrdoListView", "ISBN");
    case EditionColumn:
        return QCoreApplication::translate("COrdoListView", "Edition");
    case DateAddedColumn:
        return QCoreApplication::translate("COrdoListView", "Date Added");
    case BorrowerColumn:
        return QCoreApplication::translate("COrdoListView", "Borrower");
    case DueDateColumn:
        return QCoreApplication::translate("COrdoListView", "Due Date");
    case SeriesColumn:
        return QCoreApplication::translate("COrdoListView", "Series");
    case SeriesNumberColumn:
        //: The number of a book within its series, as a short column heading.
        return QCoreApplication::translate("COrdoListView", "No.");
    default:
        return {};
    }
}

Qt::ItemFlags CBookListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}
