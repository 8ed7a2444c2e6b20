#include "app/strings.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "edit/bookcoverspage.h"
#include "edit/bookeditor.h"
#include "edit/bookproperties.h"
#include "findcontrol.h"
#include "gifwriter.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "widgets/picturectrl.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writePicture(const QString &path, QSize size, QColor colour = Qt::darkGreen)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QString writeAnimation(const QString &path)
{
    GifWriter gif(20, 30);
    gif.loop();
    gif.add({0, 0, 20, 30, QVector<int>(600, 1), 50, 0});
    gif.add({0, 0, 20, 30, QVector<int>(600, 2), 3, 0});
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(gif.bytes()) < 0)
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

bool showsPlaceholder(CPictureCtrl *ctrl)
{
    return ctrl->isLoaded() && ctrl->isGif() && ctrl->pictureSize() == QSize(150, 215) && !ctrl->isAnimated();
}

// The covers page in a sheet of its own.
struct CoversFixture
{
    CPropertySheet sheet{QStringLiteral("Book")};
    CBookCoversPage *page = new CBookCoversPage;
    QStringList opened;
    QStringList answers; // what the next Browse choices return

    CoversFixture(const QString &front, const QString &back)
    {
        page->m_frontPath = front;
        page->m_backPath = back;
        page->setOpener([this](const QString &path) { opened << path; });
        page->setChooser([this] { return answers.isEmpty() ? QString() : answers.takeFirst(); });
        sheet.AddPage(page);
        sheet.resize(600, 450);
        sheet.show();
    }
    CPictureCtrl *front() const { return page->picture(CBookCoversPage::Front); }
    CPictureCtrl *back() const { return page->picture(CBookCoversPage::Back); }
    QString frontEdit() const { return FindControl<QLineEdit>(page, "editFrontPath")->text(); }
    QString backEdit() const { return FindControl<QLineEdit>(page, "editBackPath")->text(); }
    void click(CPictureCtrl *ctrl) { QTest::mouseClick(ctrl, Qt::LeftButton, {}, ctrl->rect().center()); }
};

} // namespace

class BookCoversPageTest : public QObject
{
    Q_OBJECT

    TestSettings m_settings;
    RecordingMessenger m_messenger;
    QTemporaryDir m_dir;

private slots:
    void init() { m_messenger.clear(); }

    void coversAndPlaceholder_withHandOnlyOverAPicture()
    {
        const QString front = writePicture(m_dir.filePath("Обложка 封面.png"), QSize(300, 430));
        CoversFixture f(front, QString());
        QCOMPARE(f.frontEdit(), front);
        QVERIFY(FindControl<QLineEdit>(f.page, "editFrontPath")->isReadOnly());
        QVERIFY(f.front()->isLoaded());
        QCOMPARE(f.front()->pictureSize(), QSize(300, 430));
        QVERIFY(showsPlaceholder(f.back()));
        // Drawn inside the frame, never at the picture's own size.
        QVERIFY(f.front()->contentsRect().contains(f.front()->pictureRect()));
        QVERIFY(f.front()->width() < 300);

        QCOMPARE(f.front()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.back()->cursor().shape(), Qt::ArrowCursor);
        f.click(f.back());
        QVERIFY(f.opened.isEmpty());
        f.click(f.front());
        QCOMPARE(f.opened, QStringList{front});
    }

    void unreadablePicture_showsThePlaceholder()
    {
        const QString broken = m_dir.filePath("broken.jpg");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        CoversFixture f(broken, m_dir.filePath("missing.gif"));
        QVERIFY(showsPlaceholder(f.front()));
        QVERIFY(showsPlaceholder(f.back()));
        // The paths stay: the files are still the book's covers.
        QCOMPARE(f.page->m_frontPath, broken);
        QCOMPARE(f.backEdit(), m_dir.filePath("missing.gif"));
    }

    void browseAndClear()
    {
        const QString animation = writeAnimation(m_dir.filePath("Ἰλιάς.gif"));
        const QString still = writePicture(m_dir.filePath("back.bmp"), QSize(50, 80));
        CoversFixture f{QString(), QString()};
        QVERIFY(showsPlaceholder(f.front()));

        f.answers = {animation, still};
        FindControl<QPushButton>(f.page, "buttonBrowseFront")->click();
        FindControl<QPushButton>(f.page, "buttonBrowseBack")->click();
        QCOMPARE(f.page->m_frontPath, animation);
        QCOMPARE(f.frontEdit(), animation);
        QVERIFY(f.front()->isAnimated());
        QVERIFY(f.front()->isPlaying());
        QCOMPARE(f.front()->frameDelaysMs(), QVector<int>({500, 100}));
        QCOMPARE(f.page->m_backPath, still);
        QCOMPARE(f.back()->pictureSize(), QSize(50, 80));
        QCOMPARE(f.front()->cursor().shape(), Qt::PointingHandCursor);

        // A cancelled choice changes nothing.
        FindControl<QPushButton>(f.page, "buttonBrowseFront")->click();
        QCOMPARE(f.page->m_frontPath, animation);

        FindControl<QPushButton>(f.page, "buttonClearFront")->click();
        QVERIFY(f.page->m_frontPath.isEmpty());
        QVERIFY(f.frontEdit().isEmpty());
        QVERIFY(!f.front()->isPlaying());
        QVERIFY(showsPlaceholder(f.front()));
        QCOMPARE(f.front()->cursor().shape(), Qt::ArrowCursor);
        f.click(f.front());
        QVERIFY(f.opened.isEmpty());
        QCOMPARE(f.page->m_backPath, still);
    }

    // --- through the book sheet ------------------------------------------------

    void lookedUpCover_showsOnANewBookAndIsCopied()
    {
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QDir().mkpath(images);
        SetImagesFolder(images);
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        SetImagesFolder(images);
        doc.setCurrentCategory(1);

        // An online lookup leaves its picture in a temporary file of the record.
        CBookRecord prepared;
        prepared.Title = "Looked Up";
        const QString download = writePicture(QDir::tempPath() + "/OrdoCoverTest.jpg", QSize(120, 180));
        prepared.newFrontCoverSource = download;
        prepared.temporaryFiles << download;
        prepared.largeImageUrl = "https://covers.example.org/b/isbn/9780151004614-L.jpg";

        CBookEditor editor(&doc);
        bool shown = false;
        QString shownPath;
        editor.setSheetRunner([&](CBookProperties &sheet) {
            sheet.show();
            sheet.SetActivePage(CBookProperties::CoversPage);
            CBookCoversPage *covers = sheet.coversPage();
            shown = covers->m_frontPath == download && covers->picture(CBookCoversPage::Front)->isLoaded() &&
                    covers->picture(CBookCoversPage::Front)->pictureSize() == QSize(120, 180) &&
                    showsPlaceholder(covers->picture(CBookCoversPage::Back));
            // The temporary file is no place of the picture's: the page names
            // the download instead.
            shownPath = FindControl<QLineEdit>(covers, "editFrontPath")->text();
            sheet.okButton()->click();
            return sheet.result();
        });
        QVERIFY(editor.AddPreparedBook(prepared));
        QVERIFY(shown);
        QCOMPARE(shownPath, QString("Downloaded from https://covers.example.org/b/isbn/9780151004614-L.jpg"));
        const int id = cat.count("SELECT MAX(BookID) FROM book");
        QCOMPARE(cat.scalar(QString("SELECT FrontCover FROM book WHERE BookID=%1").arg(id)),
                 QString("%1.jpg").arg(id));
        QVERIFY(QFile::exists(images + QString("/%1.jpg").arg(id)));
        QVERIFY(QFile::exists(download)); // still the lookup's until its record goes
    }

    void editedCovers_areReplacedClearedOrReported()
    {
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QDir().mkpath(images);
        SetImagesFolder(images);
        CBookRecord r;
        r.Title = "Covered";
        r.newFrontCoverSource = writePicture(m_dir.filePath("f.png"), QSize(10, 10));
        r.newBackCoverSource = writePicture(m_dir.filePath("b.png"), QSize(10, 10));
        QVERIFY(r.Save(true, 1, images, cat.connection()));
        const int id = cat.count("SELECT MAX(BookID) FROM book");
        const QString frontFile = images + QString("/%1.png").arg(id);
        const QString backFile = images + QString("/%1b.png").arg(id);
        QVERIFY(QFile::exists(frontFile));
        QVERIFY(QFile::exists(backFile));

        // The stored covers show; Clear on the back, a new picture in front.
        const QString newFront = writePicture(m_dir.filePath("new front.bmp"), QSize(20, 30));
        {
            CBookProperties sheet(IDS_EDIT_BOOK);
            QVERIFY(sheet.record().Load(id, cat.connection()));
            sheet.SetCategoryId(1);
            sheet.SetConnection(cat.shared());
            sheet.show();
            sheet.SetActivePage(CBookProperties::CoversPage);
            CBookCoversPage *covers = sheet.coversPage();
            QCOMPARE(covers->m_frontPath, frontFile);
            QCOMPARE(covers->m_backPath, backFile);
            QVERIFY(!showsPlaceholder(covers->picture(CBookCoversPage::Back)));
            covers->setChooser([&] { return newFront; });
            covers->Browse(CBookCoversPage::Front);
            covers->Clear(CBookCoversPage::Back);
            QVERIFY(sheet.PressOk());
        }
        QCOMPARE(cat.scalar(QString("SELECT FrontCover FROM book WHERE BookID=%1").arg(id)),
                 QString("%1.bmp").arg(id));
        QVERIFY(cat.scalar(QString("SELECT BackCover FROM book WHERE BookID=%1").arg(id)).isEmpty());
        QVERIFY(QFile::exists(images + QString("/%1.bmp").arg(id)));
        QVERIFY(!QFile::exists(backFile));
        QVERIFY(!QFile::exists(frontFile));
        QVERIFY(m_messenger.messages.isEmpty());

        // A picture that is gone by the time of the save is reported.
        const QString vanishing = writePicture(m_dir.filePath("vanishing.png"), QSize(10, 10));
        {
            CBookProperties sheet(IDS_EDIT_BOOK);
            QVERIFY(sheet.record().Load(id, cat.connection()));
            sheet.SetConnection(cat.shared());
            sheet.show();
            sheet.SetActivePage(CBookProperties::CoversPage);
            sheet.coversPage()->setChooser([&] { return vanishing; });
            sheet.coversPage()->Browse(CBookCoversPage::Back);
            QVERIFY(QFile::remove(vanishing));
            QVERIFY(sheet.PressOk());
        }
        QCOMPARE(m_messenger.messages,
                 QStringList{"Unable to copy the cover picture to the following location:\n" + images +
                             QString("/%1b.png").arg(id)});
    }
};

QTEST_MAIN(BookCoversPageTest)
#include "bookcoverspage_test.moc"
