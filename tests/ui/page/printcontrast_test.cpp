// Every style reads well on paper and on screen. Printed: each shipped style
// sheet, with each shipped template, is printed to PDF, the pages are
// rendered to pictures with pdftoppm, and wherever there is text its colour
// and the background behind it must differ by a contrast ratio of at least
// 4.5. On screen: every piece of text of the page, with the colours the
// style gives it and the background it stands on, must reach the same ratio.
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/registrykey.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "page/ordohtmlview.h"

#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include <QWebEnginePage>

#include <QDir>
#include <QHash>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>
#include <cmath>

namespace {

constexpr int kWait = 30000;
constexpr double kMinimumContrast = 4.5;
constexpr int kDpi = 200;
constexpr int kTile = 24;
constexpr int kMargin = 4; // a glyph's core may sit just beside the tile

QStringList fileTitles(const QString &folder, const QString &pattern)
{
    QStringList titles;
    for (const QFileInfo &info : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        titles << info.completeBaseName();
    return titles;
}

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

struct Finding
{
    double ratio = 100;
    QPoint at;
    QRgb background = 0;
    QRgb text = 0;
};

// The worst tile of a rendered page: the tile's most common colour is the
// background, and the pixel around it that stands out most is the text.
// Rule lines are decoration, not text, and are left out.
Finding worstTextContrast(const QImage &page)
{
    Finding worst;
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    for (int ty = 0; ty + kTile <= img.height(); ty += kTile) {
        for (int tx = 0; tx + kTile <= img.width(); tx += kTile) {
            QHash<QRgb, int> counts;
            for (int y = ty; y < ty + kTile; ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = tx; x < tx + kTile; ++x)
                    ++counts[line[x] | 0xff000000];
            }
            QRgb background = 0;
            int most = -1;
            for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
                if (it.value() > most) {
                    most = it.value();
                    background = it.key();
                }
            }
            // Ink: pixels that clearly differ from the background.
            bool ink[kTile][kTile] = {};
            int rowInk[kTile] = {};
            int colInk[kTile] = {};
            for (int y = 0; y < kTile; ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(ty + y));
                for (int x = 0; x < kTile; ++x) {
                    if (contrast(line[tx + x] | 0xff000000, background) >= 1.5) {
                        ink[y][x] = true;
                        ++rowInk[y];
                        ++colInk[x];
                    }
                }
            }
            // Rows or columns mostly inked are rules (single or double),
            // which are decoration, not text; what is left must be more than
            // a sliver to count as text.
            const auto isRule = [](int inked) { return inked >= kTile * 6 / 10; };
            int textPixels = 0;
            int top = kTile, bottom = -1, left = kTile, right = -1;
            for (int y = 0; y < kTile; ++y) {
                for (int x = 0; x < kTile; ++x) {
                    if (!ink[y][x] || isRule(rowInk[y]) || isRule(colInk[x]))
                        continue;
                    ++textPixels;
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
            if (textPixels < 8 || bottom - top < 4 || right - left < 4)
                continue;
            QRgb text = background;
            double best = 1;
            for (int y = qMax(0, ty - kMargin); y < qMin(img.height(), ty + kTile + kMargin); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = qMax(0, tx - kMargin); x < qMin(img.width(), tx + kTile + kMargin); ++x) {
                    const double c = contrast(line[x] | 0xff000000, background);
                    if (c > best) {
                        best = c;
                        text = line[x] | 0xff000000;
                    }
                }
            }
            if (best < worst.ratio)
                worst = {best, QPoint(tx, ty), background, text};
        }
    }
    return worst;
}

QString hex(QRgb c)
{
    return QColor(c).name();
}

// Books that use every part of the templates but covers (pictures are not text).
void addBooks(TestCatalog &cat)
{
    const QStringList titles = {"L'Étranger", "Война и мир", "Η Οδύσσεια", "红楼梦", "Die Blechtrommel"};
    for (int i = 0; i < titles.size(); ++i) {
        CBookRecord r;
        r.Title = titles.at(i);
        r.Subtitle = "A subtitle in grey";
        r.Author = "An Author";
        r.Publisher = "Éditions du Seuil";
        r.ISBN = "0306406152";
        r.PageCount = "340";
        r.ReleaseDate = "Jan 05, 2004";
        r.PurchaseDate = "Mar 02, 2010";
        r.ListPrice = "12.5";
        r.MyRating = 3;
        r.AmazonRating = "4";
        r.NumOfReviews = "12";
        r.UserText1 = "Signed copy";
        r.URL = "https://example.org/book";
        r.Description = "<p>A description long enough to wrap over a few lines of the printed page, in "
                        "the colour the style gives descriptions.</p>";
        r.Notes = "<p>Notes of the owner.</p>";
        r.links.append(CLinkEntry{QString(), "Review", "https://example.org/review", "read later"});
        if (!r.Save(true, 1, ImagesFolder(), cat.connection()))
            qFatal("cannot save a test book");
    }
}

// The worst contrast of any text of the page as the screen shows it: the
// computed colour of each text's element over the background it stands on
// (the first opaque background up its ancestors, translucent ones blended
// in). Folded-away details are opened first. The rating stars are left out:
// they are pictures of the number written beside them.
const char kScreenContrastScript[] = R"JS(
(function () {
  function rgba(text) {
    var m = /rgba?\(([^)]+)\)/.exec(text);
    if (!m) return null;
    var p = m[1].split(',').map(parseFloat);
    return {r: p[0], g: p[1], b: p[2], a: p.length > 3 ? p[3] : 1};
  }
  function blend(top, under) {
    var a = top.a;
    return {r: top.r * a + under.r * (1 - a), g: top.g * a + under.g * (1 - a),
            b: top.b * a + under.b * (1 - a), a: 1};
  }
  function luminance(c) {
    function channel(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4); }
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
  }
  function background(e) {
    var layers = [];
    for (var n = e; n && n.nodeType === 1; n = n.parentElement) {
      var c = rgba(getComputedStyle(n).backgroundColor);
      if (c && c.a > 0) { layers.push(c); if (c.a >= 1) break; }
    }
    var base = {r: 255, g: 255, b: 255, a: 1};
    for (var i = layers.length - 1; i >= 0; --i) base = blend(layers[i], base);
    return base;
  }
  document.querySelectorAll('details').forEach(function (d) { d.open = true; });
  var worst = {ratio: 100, count: 0};
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    var t = walker.currentNode;
    if (!t.nodeValue.trim()) continue;
    var e = t.parentElement;
    if (!e || e.getClientRects().length === 0 || e.closest('.stars, .hidden-label')) continue;
    var s = getComputedStyle(e);
    if (s.visibility === 'hidden') continue;
    var bg = background(e);
    var fg = blend(rgba(s.color), bg);
    var l1 = luminance(fg), l2 = luminance(bg);
    var ratio = (Math.max(l1, l2) + 0.05) / (Math.min(l1, l2) + 0.05);
    ++worst.count;
    if (ratio < worst.ratio)
      worst = {ratio: ratio, count: worst.count, text: t.nodeValue.trim().slice(0, 40), tag: e.tagName,
               cls: String(e.className), color: s.color,
               background: 'rgb(' + [bg.r, bg.g, bg.b].map(Math.round).join(', ') + ')'};
  }
  return worst;
})()
)JS";

// A page of the test books shown with one style and one template, the style
// sheet in force and the fonts loaded.
struct StyledPage
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    COrdoDoc doc;
    std::unique_ptr<COrdoHtmlView> view;

    StyledPage(const QString &style, const QString &pageTemplate)
    {
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("cannot open the test catalogue");
        addBooks(cat);
        const QStringList styles = fileTitles(AppFolder() + "Styles/CSS", "*.css");
        const QStringList templates = fileTitles(AppFolder() + "Styles", "*.xsl");
        CRegistryKey key;
        key.SetKey("Software\\Quenlow\\Ordo\\Settings", true);
        key.WriteInt("CSS", int(styles.indexOf(style)));
        key.WriteInt("XSL", int(templates.indexOf(pageTemplate)));
        view = std::make_unique<COrdoHtmlView>(&doc, styles, templates);
        view->resize(900, 700);
    }

    QVariant eval(const QString &script)
    {
        QVariant result;
        bool done = false;
        view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant &v) {
            result = v;
            done = true;
        });
        QTest::qWaitFor([&] { return done; }, kWait);
        return result;
    }

    bool show()
    {
        if (!QTest::qWaitFor([&] { return view->isBlankPageReady(); }, kWait))
            return false;
        QSignalSpy shown(view.get(), &COrdoHtmlView::pageDisplayed);
        doc.setSelectedBooks({1, 2, 3, 4, 5});
        view->ShowBookPage(true);
        if (!shown.wait(kWait) && shown.isEmpty())
            return false;
        // Only once the style sheet is in force and the fonts are in.
        return QTest::qWaitFor(
            [&] {
                return eval("(function(){var l=document.getElementById('ordo-style-sheet');"
                            "return !!(l && l.sheet) && document.fonts.status=='loaded';})()")
                    .toBool();
            },
            kWait);
    }
};

} // namespace

class PrintContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetAppFolder(TestCatalog::appDir());
        QStandardPaths::setTestModeEnabled(true);
    }

    void everyStyleAndTemplate_showsReadableTextOnScreen_data() { everyStyleAndTemplate_printsReadableText_data(); }
    void everyStyleAndTemplate_showsReadableTextOnScreen()
    {
        QFETCH(QString, style);
        QFETCH(QString, pageTemplate);
        StyledPage page(style, pageTemplate);
        QVERIFY(page.show());
        const QVariantMap worst = page.eval(kScreenContrastScript).toMap();
        QVERIFY2(worst.value("count").toInt() > 20, "the page shows too little text to judge");
        QVERIFY2(worst.value("ratio").toDouble() >= kMinimumContrast,
                 qPrintable(QString("%1 %2.%3 \"%4\": %5 on %6 has a contrast of %7")
                                .arg(style, worst.value("tag").toString(), worst.value("cls").toString(),
                                     worst.value("text").toString(), worst.value("color").toString(),
                                     worst.value("background").toString())
                                .arg(worst.value("ratio").toDouble(), 0, 'f', 2)));
    }

    void everyStyleAndTemplate_printsReadableText_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("pageTemplate");
        const QStringList styles = fileTitles(AppFolder() + "Styles/CSS", "*.css");
        const QStringList templates = fileTitles(AppFolder() + "Styles", "*.xsl");
        QVERIFY(!styles.isEmpty());
        QVERIFY(!templates.isEmpty());
        for (const QString &style : styles) {
            // The templates of the other languages are written from the same
            // masters with the same markup: the English ones stand for them.
            for (const QString &pageTemplate : templates.filter(QRegularExpression("Enu$")))
                QTest::addRow("%s with %s", qPrintable(style), qPrintable(pageTemplate))
                    << style << pageTemplate;
        }
    }

    void everyStyleAndTemplate_printsReadableText()
    {
        QFETCH(QString, style);
        QFETCH(QString, pageTemplate);
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        StyledPage page(style, pageTemplate);
        QVERIFY(page.show());
        COrdoHtmlView &view = *page.view;

        QTemporaryDir work;
        const QString pdf = work.filePath("page.pdf");
        view.setPrintDialog([&](QPrinter *printer, QWidget *) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return true;
        });
        view.runCommand(Cmd::Print);
        QTRY_VERIFY_WITH_TIMEOUT(!view.isPrinting(), kWait);
        QVERIFY(QFileInfo(pdf).size() > 1000);

        QProcess render;
        render.start(QStandardPaths::findExecutable("pdftoppm"),
                     {"-r", QString::number(kDpi), "-png", pdf, work.filePath("page")});
        QVERIFY(render.waitForFinished(kWait));
        QCOMPARE(render.exitCode(), 0);
        const QStringList pages = QDir(work.path()).entryList({"page*.png"}, QDir::Files, QDir::Name);
        QVERIFY(!pages.isEmpty());
        for (const QString &name : pages) {
            const QImage image(work.filePath(name));
            QVERIFY(!image.isNull());
            // For a look at the pictures: ORDO_PRINT_DIR=/some/folder.
            if (qEnvironmentVariableIsSet("ORDO_PRINT_DIR"))
                image.save(qEnvironmentVariable("ORDO_PRINT_DIR") + '/' + style + '-' + pageTemplate + '-' +
                           name);
            const Finding worst = worstTextContrast(image);
            QVERIFY2(worst.ratio >= kMinimumContrast,
                     qPrintable(QString("%1: text %2 on %3 at %4,%5 (pixels at %6 dpi) has a contrast of %7")
                                    .arg(name, hex(worst.text), hex(worst.background))
                                    .arg(worst.at.x())
                                    .arg(worst.at.y())
                                    .arg(kDpi)
                                    .arg(worst.ratio, 0, 'f', 2)));
        }
    }
};

QTEST_MAIN(PrintContrastTest)
#include "printcontrast_test.moc"
