// Tools > Statistics from the main window: the window counts on its own
// thread and shows the totals, follows the scope chosen, saves each chart as
// a PNG or SVG file that reads back, prints, and takes the palette's theme.
#include "app/commandids.h"
#include "app/mainframe.h"
#include "catalog/ordodoc.h"
#include "mainwindowcatalog.h"
#include "stats/statisticswindow.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// The four books of the main window's catalogue get authors, languages,
// prices and categories: 32 under the root, 33 under 32.
struct Fixture : MainWindowCatalog
{
    Fixture()
    {
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Ρομάντζο', 1), (33, 'Ελληνικά', 32)");
        cat.exec("INSERT INTO booklanguage (LanguageID, Name) VALUES (3, 'Français')");
        cat.exec("UPDATE book SET Author = 'Albert Camus', LanguageID = 3, PurchasePrice = 10 WHERE BookID = 1");
        cat.exec("UPDATE book SET Author = 'Лев Толстой', PurchasePrice = '€20,50' WHERE BookID = 2");
        cat.exec("UPDATE book SET Author = 'Όμηρος', PageCount = 300 WHERE BookID = 3");
        cat.exec("UPDATE book SET Author = '曹雪芹', LanguageID = 2, PageCount = 400 WHERE BookID = 4");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 32), (2, 33)");
    }

    // Runs Tools > Statistics and waits for the numbers.
    CStatisticsWindow *openStatistics()
    {
        QAction *command = frame.action(Cmd::Statistics);
        frame.updateCommandStates();
        if (!command || !command->isEnabled())
            return nullptr;
        command->trigger();
        auto *window = frame.findChild<CStatisticsWindow *>();
        if (window && !waitForNumbers(window))
            return nullptr;
        return window;
    }

    static bool waitForNumbers(CStatisticsWindow *window)
    {
        if (!window->isWorking())
            return true;
        QSignalSpy shown(window, &CStatisticsWindow::statsShown);
        return shown.wait(20000);
    }
};

// A few of the window's texts in Chinese, as an interface language gives them.
class ChineseTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QString, QString> texts{{"Statistics", "统计"},
                                                   {"Authors", "作者"},
                                                   {"Books:", "图书："},
                                                   {"The %1 authors with the most books", "图书最多的 %1 位作者"}};
        return QByteArray(context) == "CStatisticsWindow" ? texts.value(QString::fromUtf8(source)) : QString();
    }
};

} // namespace

class StatisticsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void toolsMenu_opensTheWindow_withTheTotals()
    {
        Fixture f;
        QAction *command = f.frame.action(Cmd::Statistics);
        QVERIFY(command);
        QCOMPARE(command->text(), QString("S&tatistics..."));
        QMenu *tools = nullptr;
        for (QAction *menu : f.frame.menuBar()->actions()) {
            if (menu->text() == "&Tools")
                tools = menu->menu();
        }
        QVERIFY(tools && tools->actions().contains(command));

        command->trigger();
        auto *window = f.frame.findChild<CStatisticsWindow *>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        // The count runs on its own thread: the window says so meanwhile.
        QCOMPARE(window->findChild<QLabel *>("statisticsStatus")->text(), QString("Working…"));
        QVERIFY(Fixture::waitForNumbers(window));
        QVERIFY(window->findChild<QLabel *>("statisticsStatus")->text().isEmpty());

        const QString totals = window->totalsText();
        QVERIFY2(totals.contains("Books: 4\n"), qPrintable(totals));
        QVERIFY2(totals.contains("Authors: 4\n"), qPrintable(totals));
        QVERIFY2(totals.contains("Pages: 700\n"), qPrintable(totals));
        QVERIFY2(totals.contains("Value by purchase price: 10.00; EUR 20.50"), qPrintable(totals));

        // A chart per series; the ones with nothing to count say so.
        QChart *authors = window->chartView(CStatisticsWindow::Authors)->chart();
        QCOMPARE(authors->series().size(), 1);
        QChart *loans = window->chartView(CStatisticsWindow::Loans)->chart();
        QVERIFY(loans->series().isEmpty());
        QVERIFY2(loans->title().contains("Nothing to show"), qPrintable(loans->title()));

        // The command again brings the same window back and counts anew.
        command->trigger();
        QCOMPARE(f.frame.findChildren<CStatisticsWindow *>().size(), 1);
        QVERIFY(window->isWorking());
        // Closing it in the middle of a count stops the count.
        window->close();
        QTRY_VERIFY(f.frame.findChildren<CStatisticsWindow *>().isEmpty());
    }

    void scope_followsTheCurrentCategoryAndTheSelection()
    {
        Fixture f;
        f.doc.setCurrentCategory(32);
        f.doc.setSelectedBooks({3, 4});
        CStatisticsWindow *window = f.openStatistics();
        QVERIFY(window);
        QCOMPARE(window->stats().books, 4);

        auto *scope = window->findChild<QComboBox *>("statisticsScope");
        QCOMPARE(scope->itemText(1), QString("Category \"Ρομάντζο\" and its sub-categories"));
        window->setScopeKind(StatsScope::Category);
        QVERIFY(Fixture::waitForNumbers(window));
        QCOMPARE(window->stats().books, 2); // 32 and the book in 33 below it
        QVERIFY(window->totalsText().contains("Books: 2\n"));

        window->setScopeKind(StatsScope::Selection);
        QVERIFY(Fixture::waitForNumbers(window));
        QCOMPARE(window->stats().books, 2);
        QCOMPARE(window->stats().pages, 700);

        // Without a selection the choice is not offered.
        f.doc.setSelectedBooks({});
        window->setContext(1, "Book Collection", {});
        QCOMPARE(window->scopeKind(), StatsScope::WholeCatalogue);
    }

    void charts_saveAsPngAndSvg_andPrint()
    {
        Fixture f;
        CStatisticsWindow *window = f.openStatistics();
        QVERIFY(window);
        QTemporaryDir dir;
        for (int chart = 0; chart < CStatisticsWindow::ChartCount; ++chart) {
            const QString png = dir.filePath(QString("график %1.png").arg(chart));
            QVERIFY(window->saveChart(chart, png, QSize(800, 500)));
            const QImage image(png);
            QVERIFY(!image.isNull());
            QCOMPARE(image.size(), QSize(800, 500));

            const QString svg = dir.filePath(QString("图表 %1.svg").arg(chart));
            QVERIFY(window->saveChart(chart, svg, QSize(640, 480)));
            QFile file(svg);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(QSvgRenderer(svg).isValid());
        }
        // The picture holds the chart, not an empty background.
        const QImage authors(dir.filePath("график 1.png"));
        QSet<QRgb> colours;
        for (int y = 0; y < authors.height(); y += 4) {
            for (int x = 0; x < authors.width(); x += 4)
                colours.insert(authors.pixel(x, y));
        }
        QVERIFY(colours.size() > 3);
        // The names in every script are text in the drawing.
        QFile svg(dir.filePath("图表 1.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString drawing = QString::fromUtf8(svg.readAll());
        for (const char *name : {"Лев Толстой", "Όμηρος", "曹雪芹", "Albert Camus"})
            QVERIFY2(drawing.contains(QString::fromUtf8(name)), name);

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        QVERIFY(window->printChart(CStatisticsWindow::Languages, &printer));
        QFile pdf(dir.filePath("chart.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void texts_followTheInterfaceLanguage()
    {
        Fixture f;
        CStatisticsWindow *window = f.openStatistics();
        QVERIFY(window);
        auto *tabs = window->findChild<QTabWidget *>("statisticsCharts");
        ChineseTexts chinese;
        QCoreApplication::installTranslator(&chinese);
        QTRY_COMPARE(window->windowTitle(), QString("统计"));
        QCOMPARE(tabs->tabText(CStatisticsWindow::Authors), QString("作者"));
        QVERIFY(window->totalsText().startsWith("图书： 4\n"));
        QCOMPARE(window->chartView(CStatisticsWindow::Authors)->chart()->title(), QString("图书最多的 20 位作者"));
        QCoreApplication::removeTranslator(&chinese);
        QTRY_COMPARE(window->windowTitle(), QString("Statistics"));
        QCOMPARE(window->chartView(CStatisticsWindow::Authors)->chart()->title(),
                 QString("The 20 authors with the most books"));
    }

    void theme_followsThePalette()
    {
        Fixture f;
        CStatisticsWindow *window = f.openStatistics();
        QVERIFY(window);
        QPalette dark = window->palette();
        dark.setColor(QPalette::Window, QColor(30, 30, 34));
        window->setPalette(dark);
        for (int chart = 0; chart < CStatisticsWindow::ChartCount; ++chart)
            QCOMPARE(window->chartView(chart)->chart()->theme(), QChart::ChartThemeDark);
        QPalette light = window->palette();
        light.setColor(QPalette::Window, QColor(240, 240, 240));
        window->setPalette(light);
        QCOMPARE(window->chartView(CStatisticsWindow::Decades)->chart()->theme(), QChart::ChartThemeLight);
        // A count after the change keeps the theme.
        window->refresh();
        QVERIFY(Fixture::waitForNumbers(window));
        QCOMPARE(window->chartView(CStatisticsWindow::Authors)->chart()->theme(), QChart::ChartThemeLight);
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statisticswindow_test.moc"
