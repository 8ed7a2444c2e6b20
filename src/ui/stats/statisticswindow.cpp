#include "statisticswindow.h"

#include "app/messenger.h"
#include "catalog/connection.h"
#include "widgets/savefiledialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <thread>

namespace {

// Months of readings shown at most: a longer run of bars cannot be read.
constexpr int kShownMonths = 36;
// Slices with a label beside them; more would overlap.
constexpr int kLabelledSlices = 12;
// For a chart whose view was never laid out (saved before it was shown).
const QSize kDefaultChartSize(1000, 700);

enum TotalRow { BooksRow, AuthorsRow, PublishersRow, PagesRow, PurchaseRow, ListRow, TotalRows };

} // namespace

struct CStatisticsWindow::Job
{
    // The pass over the book table on one, the rest on the other, at once.
    std::shared_ptr<Connection> bookTable;
    std::shared_ptr<Connection> others;
    StatsScope scope;
    std::atomic_bool cancel{false};
    CollectionStats result;

    void stop()
    {
        cancel = true;
        bookTable->interrupt();
        others->interrupt();
    }
};

CStatisticsWindow::CStatisticsWindow(const QString &catalogPath, QWidget *parent)
    : QDialog(parent), m_path(catalogPath)
{
    setObjectName(QStringLiteral("statisticsWindow"));
    setWindowFlag(Qt::Window);
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_scopeLabel = new QLabel(this);
    m_scope = new QComboBox(this);
    m_scope->setObjectName(QStringLiteral("statisticsScope"));
    m_scope->addItem(QString(), int(StatsScope::WholeCatalogue));
    m_scope->addItem(QString(), int(StatsScope::Category));
    m_scope->addItem(QString(), int(StatsScope::Selection));
    m_scope->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_scopeLabel->setBuddy(m_scope);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statisticsStatus"));
    top->addWidget(m_scopeLabel);
    top->addWidget(m_scope);
    top->addStretch();
    top->addWidget(m_status);
    layout->addLayout(top);

    auto *totals = new QGroupBox(this);
    totals->setObjectName(QStringLiteral("statisticsTotals"));
    auto *grid = new QGridLayout(totals);
    for (int i = 0; i < TotalRows; ++i) {
        m_totalsCaption[i] = new QLabel(totals);
        m_totals[i] = new QLabel(totals);
        m_totals[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Books, authors and publishers on the left; pages and values right.
        const int row = i % 3;
        const int column = (i / 3) * 2;
        grid->addWidget(m_totalsCaption[i], row, column);
        grid->addWidget(m_totals[i], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    layout->addWidget(totals);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("statisticsCharts"));
    for (int i = 0; i < ChartCount; ++i) {
        m_views[i] = new QChartView(m_tabs);
        m_views[i]->setRenderHint(QPainter::Antialiasing);
        m_tabs->addTab(m_views[i], QString());
    }
    layout->addWidget(m_tabs, 1);

    auto *bottom = new QHBoxLayout;
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("saveChart"));
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("printChart"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    bottom->addWidget(m_save);
    bottom->addWidget(m_print);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_save, &QPushButton::clicked, this, &CStatisticsWindow::onSaveChart);
    connect(m_print, &QPushButton::clicked, this, &CStatisticsWindow::onPrintChart);
    connect(m_scope, &QComboBox::currentIndexChanged, this, &CStatisticsWindow::refresh);

    retranslate();
    rebuildCharts();
    resize(960, 720);
}

CStatisticsWindow::~CStatisticsWindow()
{
    // The count is of no use any more: stop it where it is.
    if (m_worker) {
        disconnect(m_worker, nullptr, this, nullptr);
        m_job->stop();
        m_worker->wait();
        delete m_worker;
    }
}

void CStatisticsWindow::setContext(CategoryId category, const QString &categoryName,
                                   const QVector<BookId> &selection)
{
    m_category = category;
    m_categoryName = categoryName;
    m_selection = selection;
    retranslate();
    if (auto *model = qobject_cast<QStandardItemModel *>(m_scope->model()))
        model->item(2)->setEnabled(!selection.isEmpty());
    if (selection.isEmpty() && scopeKind() == StatsScope::Selection) {
        const QSignalBlocker blocker(m_scope);
        m_scope->setCurrentIndex(0);
    }
}

StatsScope::Kind CStatisticsWindow::scopeKind() const
{
    return StatsScope::Kind(m_scope->currentData().toInt());
}

void CStatisticsWindow::setScopeKind(StatsScope::Kind kind)
{
    const int index = m_scope->findData(int(kind));
    if (index == m_scope->currentIndex())
        refresh();
    else
        m_scope->setCurrentIndex(index); // counts through the signal
}

void CStatisticsWindow::refresh()
{
    m_status->setText(tr("Working…"));
    m_save->setEnabled(false);
    m_print->setEnabled(false);
    if (m_worker) {
        // Stop the running count; the new one starts when it has.
        m_pending = true;
        m_job->stop();
        return;
    }
    startWorker();
}

void CStatisticsWindow::startWorker()
{
    m_pending = false;
    auto job = std::make_shared<Job>();
    job->scope.kind = scopeKind();
    job->scope.category = m_category;
    job->scope.books = m_selection;
    DbError error;
    // Connections of the count's own: the program's stays free meanwhile.
    job->bookTable = Connection::openReader(m_path, &error);
    if (job->bookTable)
        job->others = Connection::openReader(m_path, &error);
    if (!job->others) {
        m_status->setText(tr("The numbers could not be counted: %1").arg(error.message));
        return;
    }
    m_job = job;
    m_worker = QThread::create([job] {
        CollectionStats others;
        std::thread second(
            [&] { others = ComputeCollectionStats(*job->others, job->scope, &job->cancel, StatsPart::Others); });
        CollectionStats books = ComputeCollectionStats(*job->bookTable, job->scope, &job->cancel, StatsPart::BookTable);
        second.join();
        job->result = MergeCollectionStats(std::move(books), std::move(others));
    });
    connect(m_worker, &QThread::finished, this, &CStatisticsWindow::workerFinished);
    m_worker->start();
}

void CStatisticsWindow::workerFinished()
{
    m_worker->deleteLater();
    m_worker = nullptr;
    const std::shared_ptr<Job> job = std::move(m_job);
    if (m_pending) {
        startWorker();
        return;
    }
    if (!job->result.ok) {
        m_status->setText(tr("The numbers could not be counted: %1").arg(job->result.error));
        return;
    }
    m_stats = std::move(job->result);
    m_counted = true;
    showStats();
}

void CStatisticsWindow::showStats()
{
    showTotals();
    rebuildCharts();
    m_status->clear();
    m_save->setEnabled(true);
    m_print->setEnabled(true);
    emit statsShown();
}

QString CStatisticsWindow::priceText(const QVector<PriceTotal> &totals) const
{
    if (totals.isEmpty())
        return tr("none given");
    const QLocale locale;
    QStringList parts;
    for (const PriceTotal &t : totals) {
        const QString amount = locale.toString(t.amount, 'f', 2);
        parts << (t.currency.isEmpty() ? amount : t.currency + QLatin1Char(' ') + amount);
    }
    return parts.join(QStringLiteral("; "));
}

void CStatisticsWindow::showTotals()
{
    const QLocale locale;
    if (!m_counted) {
        for (QLabel *label : m_totals)
            label->clear();
        return;
    }
    m_totals[BooksRow]->setText(locale.toString(m_stats.books));
    m_totals[AuthorsRow]->setText(locale.toString(m_stats.authors));
    m_totals[PublishersRow]->setText(locale.toString(m_stats.publishers));
    m_totals[PagesRow]->setText(locale.toString(m_stats.pages));
    m_totals[PurchaseRow]->setText(priceText(m_stats.purchaseValue));
    m_totals[ListRow]->setText(priceText(m_stats.listValue));
}

QString CStatisticsWindow::totalsText() const
{
    QStringList lines;
    for (int i = 0; i < TotalRows; ++i)
        lines << m_totalsCaption[i]->text() + QLatin1Char(' ') + m_totals[i]->text();
    return lines.join(QLatin1Char('\n'));
}

void CStatisticsWindow::retranslate()
{
    setWindowTitle(tr("Statistics"));
    m_scopeLabel->setText(tr("&Count:"));
    m_scope->setItemText(0, tr("Whole catalogue"));
    m_scope->setItemText(1, m_categoryName.isEmpty()
                                ? tr("Current category and its sub-categories")
                                : tr("Category \"%1\" and its sub-categories").arg(m_categoryName));
    m_scope->setItemText(2, tr("Selected books"));
    static_cast<QGroupBox *>(m_totals[0]->parentWidget())->setTitle(tr("Totals"));
    m_totalsCaption[BooksRow]->setText(tr("Books:"));
    m_totalsCaption[AuthorsRow]->setText(tr("Authors:"));
    m_totalsCaption[PublishersRow]->setText(tr("Publishers:"));
    m_totalsCaption[PagesRow]->setText(tr("Pages:"));
    m_totalsCaption[PurchaseRow]->setText(tr("Value by purchase price:"));
    m_totalsCaption[ListRow]->setText(tr("Value by list price:"));
    for (int i = 0; i < ChartCount; ++i)
        m_tabs->setTabText(i, tabTitle(i));
    m_save->setText(tr("&Save Chart..."));
    m_print->setText(tr("&Print Chart..."));
    if (m_worker)
        m_status->setText(tr("Working…"));
}

void CStatisticsWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showTotals();
        rebuildCharts();
    } else if (event->type() == QEvent::PaletteChange) {
        for (QChartView *view : m_views)
            applyTheme(view->chart());
    }
}

QString CStatisticsWindow::tabTitle(int chart) const
{
    switch (chart) {
    case Categories: return tr("Categories");
    case Authors: return tr("Authors");
    case Publishers: return tr("Publishers");
    case Languages: return tr("Languages");
    case Bindings: return tr("Bindings");
    case Decades: return tr("Release Decades");
    case AddedPerYear: return tr("Added per Year");
    case ReadPerMonth: return tr("Read per Month");
    case ReadPerYear: return tr("Read per Year");
    case Loans: return tr("Loans");
    default: return {};
    }
}

QString CStatisticsWindow::chartTitle(int chart) const
{
    switch (chart) {
    case Categories:
        return m_stats.categories.size() > CollectionStats::kTopCount
                   ? tr("Books per category (the %1 largest)").arg(CollectionStats::kTopCount)
                   : tr("Books per category");
    case Authors: return tr("The %1 authors with the most books").arg(CollectionStats::kTopCount);
    case Publishers: return tr("The %1 publishers with the most books").arg(CollectionStats::kTopCount);
    case Languages: return tr("Books per language");
    case Bindings: return tr("Books per binding");
    case Decades: return tr("Books per decade of release");
    case AddedPerYear: return tr("Books added to the catalogue per year");
    case ReadPerMonth:
        return m_stats.readPerMonth.isEmpty() ||
                       QDate::fromString(m_stats.readPerMonth.first().label + QStringLiteral("-01"), Qt::ISODate)
                               .addMonths(kShownMonths) >
                           QDate::fromString(m_stats.readPerMonth.last().label + QStringLiteral("-01"), Qt::ISODate)
                   ? tr("Books finished per month")
                   : tr("Books finished per month (the last %1 months)").arg(kShownMonths);
    case ReadPerYear: return tr("Books finished per year");
    case Loans: return tr("Loans per borrower");
    default: return {};
    }
}

bool CStatisticsWindow::darkPalette() const
{
    return palette().color(QPalette::Window).lightness() < 128;
}

void CStatisticsWindow::applyTheme(QChart *chart) const
{
    if (!chart)
        return;
    chart->setTheme(darkPalette() ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    // Square corners: a saved picture has no unpainted corners.
    chart->setBackgroundRoundness(0);
}

QChart *CStatisticsWindow::makeChart(int chart) const
{
    auto *c = new QChart;
    c->setAnimationOptions(QChart::NoAnimation);
    applyTheme(c);
    c->setTitle(chartTitle(chart));
    if (!m_counted)
        return c;

    const QLocale locale;
    const auto shownLabel = [this](const QString &label) { return label.isEmpty() ? tr("Not given") : label; };
    StatsSeries data;
    switch (chart) {
    case Categories:
        data = m_stats.categories.mid(0, CollectionStats::kTopCount);
        break;
    case Authors: data = m_stats.topAuthors; break;
    case Publishers: data = m_stats.topPublishers; break;
    case Languages: data = m_stats.languages; break;
    case Bindings: data = m_stats.bindings; break;
    case Decades:
        for (const StatsCount &d : m_stats.decades)
            data.append({tr("%1s", "decade: 1990s").arg(d.label), d.count});
        break;
    case AddedPerYear: data = m_stats.addedPerYear; break;
    case ReadPerMonth:
        if (!m_stats.readPerMonth.isEmpty()) {
            // Every month from the first to the last, the empty ones too, so
            // that the bars keep time; only the latest run is shown.
            QMap<QDate, qint64> counts;
            for (const StatsCount &m : m_stats.readPerMonth)
                counts.insert(QDate::fromString(m.label + QStringLiteral("-01"), Qt::ISODate), m.count);
            counts.remove(QDate());
            if (counts.isEmpty())
                break;
            const QDate last = counts.lastKey();
            QDate month = std::max(counts.firstKey(), last.addMonths(1 - kShownMonths));
            for (; month <= last; month = month.addMonths(1))
                data.append({locale.toString(month, QStringLiteral("MMM yyyy")), counts.value(month)});
        }
        break;
    case ReadPerYear: data = m_stats.readPerYear; break;
    case Loans: data = m_stats.loansPerBorrower; break;
    default: break;
    }
    if (data.isEmpty()) {
        c->setTitle(chartTitle(chart) + QLatin1Char('\n') + tr("Nothing to show for these books"));
        return c;
    }

    if (chart == Languages || chart == Bindings) {
        auto *pie = new QPieSeries(c);
        for (const StatsCount &d : data) {
            QPieSlice *slice = pie->append(
                QStringLiteral("%1: %2").arg(shownLabel(d.label), locale.toString(d.count)), qreal(d.count));
            (void)slice;
        }
        pie->setLabelsVisible(data.size() <= kLabelledSlices);
        c->addSeries(pie);
        c->legend()->setAlignment(Qt::AlignRight);
        return c;
    }

    // Ranked lists lie on their side, the largest at the top; time runs left
    // to right.
    const bool ranked = chart == Categories || chart == Authors || chart == Publishers || chart == Loans;
    auto *set = new QBarSet(chart == Loans ? tr("Loans") : tr("Books"));
    QStringList labels;
    qint64 largest = 0;
    if (ranked)
        std::reverse(data.begin(), data.end());
    for (const StatsCount &d : data) {
        *set << qreal(d.count);
        // The axis tells bars apart by their labels only.
        QString label = shownLabel(d.label);
        for (int n = 2; labels.contains(label); ++n)
            label = QStringLiteral("%1 (%2)").arg(shownLabel(d.label)).arg(n);
        labels << label;
        largest = std::max(largest, d.count);
    }
    QAbstractBarSeries *series = ranked ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries(c))
                                        : static_cast<QAbstractBarSeries *>(new QBarSeries(c));
    series->append(set);
    c->addSeries(series);
    auto *names = new QBarCategoryAxis(c);
    names->append(labels);
    auto *counts = new QValueAxis(c);
    counts->setLabelFormat(QStringLiteral("%d"));
    // A little room beyond the longest bar.
    const qint64 top = largest + std::max<qint64>(1, largest / 8);
    counts->setRange(0, qreal(top));
    if (top <= 10)
        counts->setTickCount(int(top) + 1);
    else
        counts->applyNiceNumbers();
    c->addAxis(names, ranked ? Qt::AlignLeft : Qt::AlignBottom);
    c->addAxis(counts, ranked ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(counts);
    c->legend()->hide();
    return c;
}

void CStatisticsWindow::rebuildCharts()
{
    for (int i = 0; i < ChartCount; ++i) {
        QChart *old = m_views[i]->chart();
        m_views[i]->setChart(makeChart(i));
        delete old;
    }
}

QChartView *CStatisticsWindow::chartView(int chart) const
{
    return chart >= 0 && chart < ChartCount ? m_views[chart] : nullptr;
}

QSize CStatisticsWindow::chartSize(int chart) const
{
    // The tabs share one size: the page on show has been laid out.
    const QWidget *shown = m_tabs->currentWidget();
    const QSize size = shown && shown->isVisible() ? shown->size() : m_views[chart]->size();
    return size.width() >= 200 && size.height() >= 150 ? size : kDefaultChartSize;
}

void CStatisticsWindow::renderChart(int chart, QPainter *painter, const QRectF &target, QSize size) const
{
    // A chart of its own laid out at the size asked: the one on screen keeps
    // its size, and a page not yet shown has none.
    QGraphicsScene scene;
    QChart *c = makeChart(chart);
    scene.addItem(c);
    // The picture is the chart: no margin of the window's colour around it.
    if (c->layout())
        c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setMargins(QMargins(12, 12, 12, 12));
    c->resize(size);
    if (c->layout())
        c->layout()->activate();
    scene.render(painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
}

bool CStatisticsWindow::saveChart(int chart, const QString &path, QSize size)
{
    if (chart < 0 || chart >= ChartCount)
        return false;
    if (size.isEmpty())
        size = chartSize(chart);
    const QRectF target(QPointF(0, 0), size);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(target);
        svg.setTitle(chartTitle(chart));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        renderChart(chart, &painter, target, size);
        return painter.end() && QFileInfo(path).size() > 0;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderChart(chart, &painter, target, size);
    }
    return image.save(path, "PNG");
}

bool CStatisticsWindow::printChart(int chart, QPrinter *printer)
{
    if (chart < 0 || chart >= ChartCount)
        return false;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // As large as the page allows, in the shape it has on screen.
    const QSize size = chartSize(chart);
    const QSizeF page = printer->pageLayout().paintRectPixels(printer->resolution()).size();
    const QSizeF fitted = QSizeF(size).scaled(page, Qt::KeepAspectRatio);
    renderChart(chart, &painter, QRectF(QPointF(0, 0), fitted), size);
    return painter.end();
}

void CStatisticsWindow::onSaveChart()
{
    const int chart = m_tabs->currentIndex();
    const QString path = AskFileToSave(this, tr("Save Chart"), QFileInfo(m_path).absolutePath(),
                                       tr("PNG picture (*.png);;SVG drawing (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (!saveChart(chart, path))
        messenger().showMessage(tr("The chart could not be saved as %1.").arg(QDir::toNativeSeparators(path)),
                                IMessenger::Icon::Error);
}

void CStatisticsWindow::onPrintChart()
{
    const int chart = m_tabs->currentIndex();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Chart"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printChart(chart, &printer))
        messenger().showMessage(tr("The chart could not be printed."), IMessenger::Icon::Error);
}
