#pragma once

#include "catalog/collectionstats.h"

#include <QDialog>
#include <QSize>
#include <memory>

class Connection;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QTabWidget;
class QThread;

// Tools > Statistics...: the totals and charts of the catalogue, a category
// (with those below it) or the selected books. The numbers are counted on a
// worker thread with a connection of its own, so the window and the program
// stay usable meanwhile. Each chart can be saved as PNG or SVG and printed.
class CStatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    enum Chart {
        Categories,
        Authors,
        Publishers,
        Languages,
        Bindings,
        Decades,
        AddedPerYear,
        ReadPerMonth,
        ReadPerYear,
        Loans,
        ChartCount
    };

    CStatisticsWindow(const QString &catalogPath, QWidget *parent = nullptr);
    ~CStatisticsWindow() override;

    // What "current category" and "selected books" mean now; categoryName
    // may be empty (the lists that are not categories).
    void setContext(CategoryId category, const QString &categoryName, const QVector<BookId> &selection);
    StatsScope::Kind scopeKind() const;
    void setScopeKind(StatsScope::Kind kind);
    // Counts again for the chosen scope (the previous count is dropped).
    void refresh();

    bool isWorking() const { return m_worker != nullptr; }
    const CollectionStats &stats() const { return m_stats; }
    QChartView *chartView(int chart) const;
    // The totals as shown, one "label value" line each.
    QString totalsText() const;

    // Writes the chart as a picture of size pixels (the view's size when
    // empty): PNG, or SVG when path ends in .svg. False when it could not
    // be written.
    bool saveChart(int chart, const QString &path, QSize size = QSize());
    // Draws the chart on the printer's page, as large as fits.
    bool printChart(int chart, QPrinter *printer);

signals:
    // The numbers and charts of a count are on screen.
    void statsShown();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void startWorker();
    void workerFinished();
    void showStats();
    void showTotals();
    void rebuildCharts();
    QChart *makeChart(int chart) const;
    void applyTheme(QChart *chart) const;
    bool darkPalette() const;
    QSize chartSize(int chart) const;
    void renderChart(int chart, QPainter *painter, const QRectF &target, QSize size) const;
    void onSaveChart();
    void onPrintChart();
    QString chartTitle(int chart) const;
    QString tabTitle(int chart) const;
    QString priceText(const QVector<PriceTotal> &totals) const;

    QString m_path;
    CategoryId m_category = 1;
    QString m_categoryName;
    QVector<BookId> m_selection;

    QComboBox *m_scope = nullptr;
    QLabel *m_scopeLabel = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_totalsCaption[6] = {};
    QLabel *m_totals[6] = {};
    QTabWidget *m_tabs = nullptr;
    QChartView *m_views[ChartCount] = {};
    QPushButton *m_save = nullptr;
    QPushButton *m_print = nullptr;

    // The running count; a new request waits for it to stop.
    struct Job;
    std::shared_ptr<Job> m_job;
    QThread *m_worker = nullptr;
    bool m_pending = false;
    bool m_counted = false;
    CollectionStats m_stats;
};
