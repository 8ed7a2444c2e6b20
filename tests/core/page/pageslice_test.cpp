// The slice arithmetic of large pages, the worker's page job, and the book
// XML of big selections: batches read like single loads, huge documents load,
// and a document that does not load says why.
#include "catalog/bookid.h"
#include "app/messenger.h"
#include "app/registrykey.h"
#include "catalog/bookbatchloader.h"
#include "catalog/bookrecord.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "page/pagejob.h"
#include "page/pageslice.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QTest>

namespace {

QString detailsTemplate()
{
    return TestCatalog::appDir() + "/Styles/DetailsEnu.xsl";
}

// Books 1..count with lookups, ratings, covers and 0 to 2 links each, in
// several scripts.
void fillBooks(TestCatalog &cat, int count)
{
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'Éditions Ωμέγα')");
    cat.exec("INSERT INTO booklanguage (LanguageID, Name) VALUES (9, '中文')");
    const QStringList titles = {"Война и мир", "Ἰλιάς", "红楼梦", "L''Étranger & <co>"};
    Transaction transaction(cat.connection());
    for (int i = 1; i <= count; ++i) {
        cat.exec(
            QString("INSERT INTO book (BookID, Title, PublisherID, LanguageID, MyRating, EBookOnly, "
                    "FrontCover, Description) VALUES (%1, '%2 %1', %3, %4, %5, %6, '%1.jpg', '<p>д %1</p>')")
                .arg(i)
                .arg(titles[i % 4])
                .arg(i % 3 ? "7" : "NULL")
                .arg(i % 5 ? "9" : "1234")
                .arg(i % 6)
                .arg(i % 2));
        for (int l = 1; l <= i % 3; ++l)
            cat.exec(QString("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (%1, %2, 'Ссылка %2', "
                             "'/tmp/%1-%2')")
                         .arg(i)
                         .arg(l));
    }
    QVERIFY(transaction.commit());
}

} // namespace

class PageSliceCoreTest : public QObject
{
    Q_OBJECT

private slots:
    void sliceCounts()
    {
        CPageSlice slice(200);
        slice.reset(450);
        QCOMPARE(slice.shown(), 200);
        QCOMPARE(slice.nextCount(), 200);
        QVERIFY(slice.isSliced());
        slice.showNext();
        QCOMPARE(slice.shown(), 400);
        QCOMPARE(slice.nextCount(), 50);
        slice.showNext();
        QCOMPARE(slice.shown(), 450);
        QVERIFY(!slice.isSliced());
        slice.showNext(); // nothing more to show
        QCOMPARE(slice.shown(), 450);

        slice.reset(10);
        QCOMPARE(slice.shown(), 10);
        QVERIFY(!slice.isSliced());
        slice.reset(100000);
        slice.showAll();
        QCOMPARE(slice.shown(), 100000);
        slice.reset(0);
        QCOMPARE(slice.shown(), 0);
        QCOMPARE(CPageSlice(0).sliceSize(), 1);
    }

    void sliceSizeSetting()
    {
        TestSettings settings;
        QCOMPARE(CPageSlice::SliceSizeSetting(), 200);
        CRegistryKey key;
        QVERIFY(key.SetKey("Software\\Quenlow\\Ordo\\Settings", true));
        key.WriteInt("PageSlice", 50);
        QCOMPARE(CPageSlice::SliceSizeSetting(), 50);
        key.WriteInt("PageSlice", -3);
        QCOMPARE(CPageSlice::SliceSizeSetting(), 200);
    }

    void sliceLinks_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("link");
        QTest::newRow("next") << "ordoslice://next" << int(CPageSlice::Link::Next);
        QTest::newRow("all with slash") << "ordoslice://all/" << int(CPageSlice::Link::All);
        QTest::newRow("upper case") << "ORDOSLICE://ALL" << int(CPageSlice::Link::All);
        QTest::newRow("other word") << "ordoslice://more" << int(CPageSlice::Link::None);
        QTest::newRow("other scheme") << "ordolink://3/1" << int(CPageSlice::Link::None);
    }
    void sliceLinks()
    {
        QFETCH(QString, address);
        QFETCH(int, link);
        QCOMPARE(int(CPageSlice::LinkOf(address)), link);
    }

    void footerEscapesItsTexts()
    {
        const QString footer = CPageSlice::FooterHtml("Показать <ещё> 200", "Tout & tous");
        QVERIFY(footer.contains("href=\"ordoslice://next\">Показать &lt;ещё&gt; 200</a>"));
        QVERIFY(footer.contains("href=\"ordoslice://all\">Tout &amp; tous</a>"));
    }

    // Books read a batch at a time must be what Load reads one by one.
    void batchLoadEqualsSingleLoads()
    {
        TestCatalog cat;
        fillBooks(cat, 600);
        QVector<BookId> ids;
        for (int i = 600; i >= 1; i -= 2) // spread over several batches, backwards
            ids << i;
        ids << 4 << 999999 << 5; // an id twice, one without a book
        RecordingMessenger messenger;
        CBookBatchLoader loader(cat.connection());
        QVector<CBookRecord> books;
        QVERIFY(loader.Load(ids.constData(), int(ids.size()), books));
        QCOMPARE(books.size(), ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            CBookRecord single;
            QVERIFY(single.Load(ids[i], cat.connection()));
            const CBookRecord &b = books[i];
            QCOMPARE(b.BookID, ids[i]);
            QCOMPARE(b.Title, single.Title);
            QCOMPARE(b.Publisher, single.Publisher);
            QCOMPARE(b.Language, single.Language);
            QCOMPARE(b.MyRating, single.MyRating);
            QCOMPARE(b.EBookOnly, single.EBookOnly);
            QCOMPARE(b.FrontCover, single.FrontCover);
            QCOMPARE(b.Description, single.Description);
            QCOMPARE(b.links.size(), single.links.size());
            for (int l = 0; l < b.links.size(); ++l) {
                QCOMPARE(b.links[l].LinkID, single.links[l].LinkID);
                QCOMPARE(b.links[l].Name, single.links[l].Name);
                QCOMPARE(b.links[l].Path, single.links[l].Path);
            }
        }
        QCOMPARE(books[ids.size() - 3].Title, books[ids.indexOf(4)].Title);
        QVERIFY(books[ids.size() - 2].Title.isEmpty());
        QVERIFY(messenger.messages.isEmpty());
    }

    // A single description of more than 10 MB and a document of 20 MB load
    // and transform (the parser's default limits would refuse them).
    void hugeDocumentsLoad()
    {
        TestCatalog cat;
        const QString huge = QString("Ωмега 中文 ").repeated(1200000); // 12 MB of text
        cat.exec(QString("INSERT INTO book (BookID, Title, Description) VALUES (1, 'Big', '%1')").arg(huge));
        const QString xml = BuildBookXml({1}, cat.connection(), "/images", "now");
        QVERIFY(xml.size() > 10 * 1000 * 1000);
        const TransformResult result = TransformBookXml(xml, detailsTemplate());
        QVERIFY2(result.ok(), qPrintable(result.errorText.left(500)));
        QVERIFY(result.html.contains("Ωмега 中文"));
    }

    void xmlThatDoesNotLoadSaysWhy()
    {
        TransformResult result =
            TransformBookXml("<?xml version=\"1.0\"?>\n<Ordoteca><Book></Ordoteca>\n", detailsTemplate());
        QCOMPARE(result.status, TransformStatus::XmlLoadFailed);
        const QString message = TransformMessageText(result);
        QVERIFY2(message.startsWith("Failed to load XML.\n"), qPrintable(message));
        QVERIFY2(message.size() > QString("Failed to load XML.\n").size() + 5, qPrintable(message));
        QVERIFY(!message.mid(20).contains('\n')); // the first cause only

        // The other steps keep their designed texts.
        result.status = TransformStatus::XslLoadFailed;
        QCOMPARE(TransformMessageText(result), QString("Failed to load XSL."));
        result.status = TransformStatus::TransformFailed;
        QVERIFY(TransformMessageText(result).isEmpty());
    }

    void pageJobBuildsOnItsOwnConnection()
    {
        TestCatalog cat;
        fillBooks(cat, 30);
        PageJobRequest request;
        request.catalogPath = cat.path();
        request.bookIds = {3, 1, 2};
        request.imagesFolder = "/images";
        request.xslPath = detailsTemplate();
        const PageJobResult page = RunPageJob(request);
        QVERIFY(page.ok);
        QVERIFY(page.messages.isEmpty());
        QVERIFY(page.xml.indexOf("<Title>L'Étranger &amp; &lt;co> 3</Title>") <
                page.xml.indexOf("<Title>Ἰλιάς 1</Title>"));
        QVERIFY(page.html.contains("红楼梦 2"));

        request.transform = false;
        const PageJobResult xmlOnly = RunPageJob(request);
        QVERIFY(xmlOnly.ok);
        QVERIFY(xmlOnly.html.isEmpty());
        QCOMPARE(xmlOnly.xml.count("<Book>"), 3);

        // Cancelled before it starts: no page, nothing to show.
        std::atomic_bool cancel{true};
        const PageJobResult cancelled = RunPageJob(request, &cancel);
        QVERIFY(cancelled.cancelled);
        QVERIFY(!cancelled.ok);

        // Messages of a failed step come back for the user-interface thread.
        request.transform = true;
        request.xslPath = cat.dir() + "/no such template.xsl";
        const PageJobResult failed = RunPageJob(request);
        QVERIFY(!failed.ok);
        QVERIFY(failed.xml.isEmpty());
        QCOMPARE(failed.messages, QStringList{"Failed to load XSL."});
        request.catalogPath = cat.dir() + "/missing.mdb";
        const PageJobResult noFile = RunPageJob(request);
        QVERIFY(!noFile.ok);
        QCOMPARE(noFile.messages.size(), 1);
    }
};

QTEST_GUILESS_MAIN(PageSliceCoreTest)
#include "pageslice_test.moc"
