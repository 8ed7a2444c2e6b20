#include "readinglogtable.h"

#include "catalog/sqlvalue.h"
#include "transfer/importedbook.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { StartedColumn, FinishedColumn, CompletedColumn, NotesColumn, ColumnCount };

// A day as the user reads it: the locale's short form when it is a date.
QString shownDay(const QString &stored)
{
    const QDate day = QDate::fromString(CatalogDateToIso(stored), Qt::ISODate);
    return day.isValid() ? day.toString(Qt::ISODate) : stored;
}

// A typed day as the record keeps it.
QString storedDay(const QString &typed)
{
    const QString iso = NormalizeImportDate(typed);
    const QDate day = QDate::fromString(iso, Qt::ISODate);
    return day.isValid() ? FormatCatalogDate(day) : typed.trimmed();
}

} // namespace

CReadingLogTable::CReadingLogTable(QWidget *parent)
    : QWidget(parent), m_table(new QTableWidget(0, ColumnCount, this)),
      m_add(new QPushButton(tr("Add Reading"), this)), m_remove(new QPushButton(tr("Remove Reading"), this))
{
    m_table->setObjectName(QStringLiteral("tableReadings"));
    m_add->setObjectName(QStringLiteral("buttonAddReading"));
    m_remove->setObjectName(QStringLiteral("buttonRemoveReading"));
    m_table->setHorizontalHeaderLabels({tr("Started"), tr("Finished"), tr("Read to the End"), tr("Note")});
    m_table->setAccessibleName(tr("Readings"));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMinimumHeight(90);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, [this] {
        appendRow({FormatCatalogDate(QDate::currentDate()), QString(), false, QString()});
        m_table->setCurrentCell(m_table->rowCount() - 1, StartedColumn);
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
    });
}

void CReadingLogTable::setLog(const CReadingLog &log)
{
    m_table->setRowCount(0);
    for (const CReading &r : log)
        appendRow(r);
}

void CReadingLogTable::appendRow(const CReading &reading)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, StartedColumn, new QTableWidgetItem(shownDay(reading.Started)));
    m_table->setItem(row, FinishedColumn, new QTableWidgetItem(shownDay(reading.Finished)));
    auto *completed = new QTableWidgetItem;
    completed->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    completed->setCheckState(reading.Completed ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, CompletedColumn, completed);
    m_table->setItem(row, NotesColumn, new QTableWidgetItem(reading.Notes));
}

CReadingLog CReadingLogTable::log() const
{
    CReadingLog log;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto text = [&](int column) {
            const QTableWidgetItem *item = m_table->item(row, column);
            return item ? item->text() : QString();
        };
        CReading r;
        r.Started = storedDay(text(StartedColumn));
        r.Finished = storedDay(text(FinishedColumn));
        const QTableWidgetItem *completed = m_table->item(row, CompletedColumn);
        // A finishing day says the reading ended, ticked or not.
        r.Completed = (completed && completed->checkState() == Qt::Checked) || !r.Finished.isEmpty();
        r.Notes = text(NotesColumn).trimmed();
        log << r;
    }
    return log;
}
