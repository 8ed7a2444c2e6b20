// The main window started in Chinese: every visible text is in the language
// and drawn with real glyphs from a CJK font (no empty boxes); a screenshot
// is kept beside the test programs for a look by eye.
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "app/registrykey.h"
#include "page/pagescript.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

namespace {

bool hasHan(const QString &text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Han)
            return true;
    }
    return false;
}

// Lays the text out as a widget would; glyph 0 is the "missing" box.
bool drawsWithRealGlyphs(const QString &text, const QFont &font, QSet<QString> *families)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        families->insert(run.rawFont().familyName());
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                return false;
        }
    }
    return true;
}

void collectItemTexts(const QAbstractItemModel *model, const QModelIndex &parent, QStringList *texts,
                      int depth)
{
    for (int r = 0; r < model->rowCount(parent) && r < 50; ++r) {
        const QModelIndex index = model->index(r, 0, parent);
        texts->append(index.data().toString());
        if (depth < 2)
            collectItemTexts(model, index, texts, depth + 1);
    }
}

} // namespace

class ChineseWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowInChineseHasNoMissingGlyphs_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("writingSystem");
        QTest::newRow("Chs") << "Chs" << int(QFontDatabase::SimplifiedChinese);
        QTest::newRow("Cht") << "Cht" << int(QFontDatabase::TraditionalChinese);
    }
    void mainWindowInChineseHasNoMissingGlyphs()
    {
        QFETCH(QString, code);
        QFETCH(int, writingSystem);
        const QStringList cjkFamilies = QFontDatabase::families(QFontDatabase::WritingSystem(writingSystem));
        QVERIFY2(!cjkFamilies.isEmpty(),
                 "no CJK font installed (scripts/install-deps installs fonts-wqy-microhei)");

        TestSettings settings;
        RecordingMessenger messages;
        CRegistryKey key;
        QVERIFY(key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings"), true));
        QVERIFY(key.WriteString(QStringLiteral("UILanguage"), code));

        // A catalogue with a book, so the list and tree have rows to show.
        TestCatalog catalog(QString::fromUtf8("藏书.mdb"));
        catalog.exec(QString::fromUtf8(
            "INSERT INTO book (BookID, Title, Author) VALUES (1, '红楼梦 紅樓夢', '曹雪芹')"));
        catalog.exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 1)"));

        COrdoApp app;
        app.setApplicationFolder(TestCatalog::appDir());
        app.setUseMessageBoxes(false);
        app.setOpenFileDialog([&](QWidget *, const QString &) { return catalog.path(); });
        QVERIFY(app.InitInstance());
        QVERIFY(app.translationLoaded());
        CMainFrame *frame = app.mainFrame();
        frame->resize(1024, 700);
        QTest::qWait(200);

        QStringList texts;
        for (QAction *menu : frame->menuBar()->actions()) {
            texts << menu->text();
            if (menu->menu()) {
                for (QAction *a : menu->menu()->actions())
                    texts << a->text() << a->statusTip();
            }
        }
        for (QLabel *label : frame->findChildren<QLabel *>())
            texts << label->text();
        for (QAbstractItemView *view : frame->findChildren<QAbstractItemView *>()) {
            if (!view->model() || !view->isVisible())
                continue;
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
            collectItemTexts(view->model(), QModelIndex(), &texts, 0);
        }
        texts.removeAll(QString());

        int chinese = 0;
        QSet<QString> families;
        QStringList missing;
        for (QString text : texts) {
            text.remove(QLatin1Char('&'));
            if (hasHan(text))
                ++chinese;
            if (!drawsWithRealGlyphs(text, frame->font(), &families))
                missing << text;
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("missing glyphs in: ") + missing.join(QLatin1String(" | "))));
        QVERIFY2(chinese > 30, qPrintable(texts.join(QLatin1String(" | "))));
        // The menus came out in the language, not in English.
        QVERIFY(!texts.contains(QStringLiteral("&File")));
        bool cjkUsed = false;
        for (const QString &family : families)
            cjkUsed = cjkUsed || cjkFamilies.contains(family);
        QVERIFY2(cjkUsed, qPrintable(QStringList(families.values()).join(QLatin1String(", "))));

        const QImage shot = frame->grab().toImage();
        QVERIFY(!shot.isNull());
        const QString file = QDir(QStringLiteral(ORDO_TEST_APPDIR "/.."))
                                 .absoluteFilePath(QStringLiteral("tests-bin/main-window-%1.png").arg(code));
        QVERIFY(shot.save(file));
        QSet<QRgb> colours;
        for (int y = 0; y < shot.height(); y += 7) {
            for (int x = 0; x < shot.width(); x += 7)
                colours.insert(shot.pixel(x, y));
        }
        QVERIFY(colours.size() > 8);
        // Qt's own texts (standard buttons, file dialogs) come in the language too.
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(),
                 code == QLatin1String("Chs") ? QString::fromUtf8("确定") : QString::fromUtf8("確定"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("取消"));

        // The book page is Chinese too, so the browser picks Chinese glyph
        // shapes. Its blank page is written once per run, at the first start.
        if (code == QLatin1String("Chs")) {
            QFile blank(BlankPageUrl().toLocalFile());
            QVERIFY(blank.open(QIODevice::ReadOnly));
            QVERIFY(blank.readAll().contains("<html lang=\"zh-CN\">"));
        }
        app.ExitInstance();
    }
};

int main(int argc, char *argv[])
{
    COrdoApp::RegisterUrlSchemes();
    QApplication app(argc, argv);
    ChineseWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "chinesewindow_test.moc"
