#include "app/registrykey.h"
#include "catalog/bookrecord.h"
#include "online/canceltoken.h"
#include "online/keywordchooser.h"
#include "openlibraryfixture.h"
#include "picturebytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <thread>

namespace {

const QString kCoverPath = QStringLiteral("/b/id/240726-L.jpg");

QByteArray fixture(const QString &path)
{
    return TestHttpServer::readFixture(QStringLiteral("openlibrary/") + path);
}

// Picks the row whose title is given, after running the first page.
class PickingChooser : public IKeywordChooser
{
public:
    bool Choose(const QString &t, const QString &a, const QString &p, const Query &query, CSearchRow &chosen,
                QString &messageText) override
    {
        words = {t, a, p};
        page = query(1);
        for (const CSearchRow &row : std::as_const(page.rows)) {
            if (row.title == pick) {
                chosen = row;
                return true;
            }
        }
        if (!forcedKey.isEmpty()) {
            chosen.itemKey = forcedKey;
            return true;
        }
        messageText = page.message.isEmpty() ? cancelMessage : page.message;
        return false;
    }

    QString pick;
    QString forcedKey;
    QString cancelMessage;
    QStringList words;
    CSearchPage page;
};

} // namespace

class BookRecordLookupTest : public QObject
{
    Q_OBJECT

private slots:
    void lookupByIsbn_fillsEveryMappedField()
    {
        OpenLibraryFixture f;
        QString coverFile;
        {
            CBookRecord r;
            r.ListPrice = QStringLiteral("old");
            QVERIFY(r.LookupByIsbn(QStringLiteral("0-596-00027-8 "), true));
            QVERIFY(f.messenger.messages.isEmpty());
            QCOMPARE(r.Title, QString("Café Cartography"));
            QCOMPARE(r.Subtitle, QString("Maps of Ελλάδα, Россия and 中国"));
            QCOMPARE(r.Author, QString("Zoë Ångström / Дмитрий Соколов / Ελένη Παππά"));
            QCOMPARE(r.Publisher, QString("Éditions Lumière & Fils"));
            QCOMPARE(r.ReleaseDate, QString("Jun 01, 2003"));
            QCOMPARE(r.PageCount, QString("432"));
            QCOMPARE(r.URL, f.server.url("/books/OL1001M"));
            QCOMPARE(r.ISBN, QString("0596000278"));
            QCOMPARE(r.Binding, QString("Paperback"));
            QCOMPARE(r.Dimension, QString("23 x 15 x 3 centimeters"));
            QCOMPARE(r.Edition, QString("2nd édition"));
            QCOMPARE(r.Language, QString("French"));
            // The work's plain-text description, escaped into paragraphs.
            QCOMPARE(r.Description,
                     QString("<p>Maps drawn in cafés &lt;b&gt;everywhere&lt;/b&gt; &amp; the people who drew them."
                             "<br>A second line.</p>"
                             "<p>Ελληνικά, русский язык, 中文 &lt;script&gt;alert(1)&lt;/script&gt;</p>"));
            QVERIFY(r.ListPrice.isEmpty());
            QVERIFY(r.AmazonPrice.isEmpty());
            QVERIFY(r.AmazonRating.isEmpty());
            QVERIFY(r.NumOfReviews.isEmpty());
            QVERIFY(!r.fatalError);
            QCOMPARE(r.largeImageUrl, f.server.url(kCoverPath));
            QCOMPARE(r.statusText.get(), QString("Downloading cover..."));

            coverFile = r.newFrontCoverSource;
            QVERIFY(coverFile.endsWith(".jpg"));
            QVERIFY(QFileInfo(coverFile).fileName().startsWith("Ordo"));
            QCOMPARE(r.temporaryFiles, QStringList{coverFile});
            QFile cover(coverFile);
            QVERIFY(cover.open(QIODevice::ReadOnly));
            QCOMPARE(cover.readAll(), fixture(kCoverPath.mid(1)));

            QCOMPARE(f.targets(), QStringList({"/api/books?bibkeys=ISBN%3A0596000278&jscmd=data&format=json",
                                               "/books/OL1001M.json", "/works/OL2001W.json", kCoverPath}));
            for (const auto &request : f.server.requests())
                QCOMPARE(request.userAgent, QString("Ordoteca/1.0 (https://ordoteca.example.org/; tester@example.org)"));
            QCOMPARE(f.server.requests().first().queryValue("bibkeys"), QString("ISBN:0596000278"));
        }
        QVERIFY2(!QFile::exists(coverFile), "the record deletes its downloaded cover");
    }

    void lookupByIsbn_keepsTheDefaultLanguageAndAppendsAuthors()
    {
        OpenLibraryFixture f;
        CRegistryKey key;
        QVERIFY(key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Default"), true));
        QVERIFY(key.WriteString(QStringLiteral("Language"), QStringLiteral("Ελληνικά")));
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0596000278"), true));
        QCOMPARE(r.Language, QString("Ελληνικά"));

        CBookRecord kept;
        kept.Author = QStringLiteral("Editor");
        QVERIFY(kept.LookupByIsbn(QStringLiteral("0596000278"), false));
        QCOMPARE(kept.Author, QString("EditorZoë Ångström / Дмитрий Соколов / Ελένη Παππά"));
    }

    // A service that passes on Windows-1252 text decoded as Latin-1 sends
    // its curly quotes and dashes as C1 control characters.
    void lookupByIsbn_repairsControlCharactersLeftByWindows1252()
    {
        OpenLibraryFixture f;
        QByteArray answer = fixture("api/books-0596000278.json");
        QVERIFY(answer.contains("Café Cartography"));
        answer.replace("Café Cartography", "\\u0093Café\\u0094 Cartography \\u0096 Vol. 1\\u0085");
        f.server.serveData(QStringLiteral("/api/books?bibkeys=ISBN:0596000278"), answer, "application/json");
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0596000278"), true));
        QCOMPARE(r.Title, QStringLiteral("“Café” Cartography – Vol. 1…"));
        QCOMPARE(r.Author, QString("Zoë Ångström / Дмитрий Соколов / Ελένη Παππά"));
    }

    void lookupByIsbn_triesTheOtherFormOnceAndStoresTheChosenForm_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("bibkeys");
        QTest::addColumn<QString>("stored");

        const QStringList thirteenFirst{"ISBN:9780596000271", "ISBN:0596000278"};
        QTest::newRow("13 typed, form 10") << "978-0-596-00027-1" << 10 << thirteenFirst << "0596000278";
        QTest::newRow("13 typed, form 13") << "9780596000271" << 13 << thirteenFirst << "9780596000271";
        QTest::newRow("13 typed, as entered") << "978-0596000271" << 0 << thirteenFirst << "9780596000271";
        QTest::newRow("10 typed, form 13") << "0596000278" << 13 << QStringList{"ISBN:0596000278"} << "9780596000271";
        QTest::newRow("979, form 10") << "979-10-90636-07-1" << 10 << QStringList{"ISBN:9791090636071"}
                                      << "9791090636071";
    }

    void lookupByIsbn_triesTheOtherFormOnceAndStoresTheChosenForm()
    {
        QFETCH(QString, typed);
        QFETCH(int, form);
        QFETCH(QStringList, bibkeys);
        QFETCH(QString, stored);
        OpenLibraryFixture f;
        f.change([form](COnlineSettings &s) { s.isbnForm = form; });
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(typed, true));
        QCOMPARE(r.ISBN, stored);
        QStringList asked;
        for (const auto &request : f.server.requests()) {
            if (request.path == QLatin1String("/api/books"))
                asked << request.queryValue("bibkeys");
        }
        QCOMPARE(asked, bibkeys);
    }

    void lookupByIsbn_979WithoutCoverIdAsksForTheCoverByIsbn()
    {
        OpenLibraryFixture f;
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("9791090636071"), true));
        QCOMPARE(r.Title, QString("书的故事"));
        QCOMPARE(r.Author, QString("李伟"));
        QCOMPARE(r.Publisher, QString("Ψ Publishing"));
        QCOMPARE(r.ReleaseDate, QString("Sep 01, 2011"));
        QCOMPARE(r.Binding, QString("Hardcover"));
        QCOMPARE(r.Language, QString("Chinese"));
        QCOMPARE(r.Description,
                 QString("<p>An edition's own description.</p><p>It says &lt;i&gt;nothing&lt;/i&gt; &amp; more.</p>"));
        // The edition has its own description: the work is not asked for.
        QCOMPARE(f.targets(),
                 QStringList({"/api/books?bibkeys=ISBN%3A9791090636071&jscmd=data&format=json", "/books/OL1002M.json",
                              "/b/isbn/9791090636071-L.jpg?default=false"}));
        // The covers service knows no picture (404): no cover, no message.
        QVERIFY(r.newFrontCoverSource.isEmpty());
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void lookupByIsbn_notFound()
    {
        OpenLibraryFixture f;
        CBookRecord r;
        r.Title = QStringLiteral("kept");
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0-306-40615-2"), false));
        const QString message = QStringLiteral("No book with ISBN 0306406152 was found at Open Library.");
        QCOMPARE(f.messenger.messages, QStringList{message});
        QCOMPARE(r.errorText, message);
        QVERIFY(!r.fatalError);
        QCOMPARE(r.Title, QString("kept"));
        QCOMPARE(f.server.requestCount(), 2); // the ISBN-10 and its ISBN-13
    }

    void lookupByIsbn_serviceErrorShowsTheServiceText()
    {
        OpenLibraryFixture f;
        f.server.serveFile(QStringLiteral("/api/books?bibkeys=ISBN:0306406152"), QStringLiteral("search/error.json"),
                           {}, 400);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0306406152"), true));
        const QString message = QStringLiteral("Error message returned from Open Library:\nQuery syntax <b>not</b> understood");
        QCOMPARE(f.messenger.messages, QStringList{message});
        QCOMPARE(r.errorText, message);
        QCOMPARE(r.statusText.get(), QString("Query syntax <b>not</b> understood"));
        QVERIFY(!r.fatalError);
    }

    void lookupByIsbn_unreachableServiceIsFatal_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("500") << "500";
        QTest::newRow("not json") << "html";
        QTest::newRow("hung") << "hang";
        QTest::newRow("long Retry-After") << "429";
        QTest::newRow("nobody listening") << "gone";
    }

    void lookupByIsbn_unreachableServiceIsFatal()
    {
        QFETCH(QString, kind);
        OpenLibraryFixture f;
        const QString route = QStringLiteral("/api/books?bibkeys=ISBN:0596000278");
        if (kind == "500")
            f.server.serveData(route, "{\"error\": \"internal\"}", "application/json", 500);
        if (kind == "html")
            f.server.serveData(route, "<html>maintenance</html>", "text/html");
        if (kind == "hang")
            f.server.hang(route);
        if (kind == "429") {
            f.server.handle(route, [](const httplib::Request &, httplib::Response &res) {
                res.status = 429;
                res.set_header("Retry-After", "120");
            });
        }
        if (kind == "gone")
            f.change([](COnlineSettings &s) { s.openLibraryUrl = QStringLiteral("http://127.0.0.1:1"); });
        f.change([](COnlineSettings &s) { s.totalTimeout = 1; });

        QElapsedTimer timer;
        timer.start();
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0596000278"), true));
        QVERIFY(timer.elapsed() < 4000);
        QVERIFY(r.fatalError);
        QCOMPARE(r.errorText, QString("Failed to load book info from Open Library."));
        QCOMPARE(f.messenger.messages, QStringList{r.errorText});
    }

    void lookupByIsbn_waitsOutAShortRetryAfterOnce()
    {
        OpenLibraryFixture f;
        int calls = 0;
        const QByteArray answer = fixture("api/books-0596000278.json");
        f.server.handle(QStringLiteral("/api/books?bibkeys=ISBN:0596000278"),
                        [&calls, answer](const httplib::Request &, httplib::Response &res) {
                            if (++calls == 1) {
                                res.status = 429;
                                res.set_header("Retry-After", "1");
                                return;
                            }
                            res.set_content(answer.constData(), size_t(answer.size()), "application/json");
                        });
        QElapsedTimer timer;
        timer.start();
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0596000278"), true));
        QVERIFY(timer.elapsed() >= 1000);
        QCOMPARE(calls, 2);
        QCOMPARE(r.Title, QString("Café Cartography"));
    }

    void downloadCover_keepsOnlyRealPictures_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("extension"); // empty: no cover
        QTest::addColumn<bool>("message");      // "Unable to download the cover picture."

        QTest::newRow("jpeg") << "jpeg" << ".jpg" << false;
        QTest::newRow("404 html page") << "404" << "" << false;
        QTest::newRow("500") << "500" << "" << false;
        QTest::newRow("43-byte gif") << "tinygif" << "" << false;
        QTest::newRow("png sent as image/jpeg") << "png" << ".png" << false;
        QTest::newRow("gif sent as image/jpeg") << "biggif" << ".gif" << false;
        QTest::newRow("webp") << "webp" << ".webp" << false;
        QTest::newRow("html sent as image/jpeg") << "html" << "" << false;
        QTest::newRow("png of 30000 x 30000") << "hugepng" << "" << false;
        QTest::newRow("gif of 5000 frames") << "endlessgif" << "" << false;
        QTest::newRow("chunked jpeg, no length") << "chunked" << ".jpg" << false;
        QTest::newRow("reset mid-body") << "reset" << "" << true;
        QTest::newRow("too large") << "huge" << "" << true;
        QTest::newRow("redirect to file") << "file" << "" << true;
    }

    void downloadCover_keepsOnlyRealPictures()
    {
        QFETCH(QString, answer);
        QFETCH(QString, extension);
        QFETCH(bool, message);
        OpenLibraryFixture f;
        f.change([](COnlineSettings &s) { s.maxCoverBytes = 200000; });
        const QByteArray jpeg = fixture(kCoverPath.mid(1));
        const QByteArray png = fixture("b/id/png-cover.png");
        QByteArray body;
        if (answer == "404")
            f.server.serveData(kCoverPath, "<html><body>Not found</body></html>", "text/html", 404);
        if (answer == "500")
            f.server.serveData(kCoverPath, jpeg, "image/jpeg", 500);
        if (answer == "tinygif")
            f.server.serveFile(kCoverPath, QStringLiteral("b/id/tiny.gif"), "image/gif");
        if (answer == "png")
            f.server.serveData(kCoverPath, body = png, "image/jpeg");
        if (answer == "biggif")
            f.server.serveData(kCoverPath, body = GifOfFrames(200), "image/jpeg");
        if (answer == "webp")
            f.server.serveData(kCoverPath, body = WebpDeclaring(400, 600) + QByteArray(3000, '\2'), "image/webp");
        if (answer == "hugepng")
            f.server.serveData(kCoverPath, PngDeclaring(30000, 30000) + QByteArray(3000, '\0'), "image/png");
        if (answer == "endlessgif")
            f.server.serveData(kCoverPath, GifOfFrames(5000), "image/gif");
        if (answer == "html")
            f.server.serveData(kCoverPath, "<html>" + QByteArray(5000, ' ') + "</html>", "image/jpeg");
        if (answer == "chunked") {
            body = jpeg;
            f.server.handle(kCoverPath, [jpeg](const httplib::Request &, httplib::Response &res) {
                res.set_chunked_content_provider("image/jpeg", [jpeg](size_t offset, httplib::DataSink &sink) {
                    if (offset < size_t(jpeg.size()))
                        sink.write(jpeg.constData() + offset, std::min<size_t>(700, size_t(jpeg.size()) - offset));
                    else
                        sink.done();
                    return true;
                });
            });
        }
        if (answer == "reset") {
            f.server.handle(kCoverPath, [jpeg](const httplib::Request &, httplib::Response &res) {
                res.set_content_provider(size_t(jpeg.size()) * 2, "image/jpeg",
                                         [jpeg](size_t offset, size_t, httplib::DataSink &sink) {
                                             if (offset > 0)
                                                 return false;
                                             sink.write(jpeg.constData(), size_t(jpeg.size()));
                                             return true;
                                         });
            });
        }
        if (answer == "huge")
            f.server.serveData(kCoverPath, jpeg + QByteArray(300000, '\0'), "image/jpeg");
        if (answer == "file")
            f.server.redirect(kCoverPath, QStringLiteral("file://") + TestHttpServer::fixturePath("openlibrary") + kCoverPath);
        if (answer == "jpeg")
            body = jpeg;

        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0596000278"), true));
        if (extension.isEmpty()) {
            QVERIFY(r.newFrontCoverSource.isEmpty());
            QVERIFY(r.temporaryFiles.isEmpty());
        } else {
            QVERIFY(r.newFrontCoverSource.endsWith(extension));
            QCOMPARE(r.temporaryFiles, QStringList{r.newFrontCoverSource});
            QFile file(r.newFrontCoverSource);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), body);
        }
        if (message) {
            QCOMPARE(f.messenger.messages, QStringList{"Unable to download the cover picture."});
            QCOMPARE(r.errorText, QString("Unable to download the cover picture."));
        } else {
            QVERIFY(f.messenger.messages.isEmpty());
        }
    }

    void downloadCover_unwritableFolderIsReported()
    {
        OpenLibraryFixture f;
        QTemporaryDir dir;
        // A file where the folder should be: nothing can be created in it,
        // not even by root. A missing folder must not send the picture to "/".
        const QString notAFolder = dir.path() + QStringLiteral("/file");
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QByteArray oldTmp = qgetenv("TMPDIR");
        for (const QString &tmp : {notAFolder, dir.path() + QStringLiteral("/missing")}) {
            f.messenger.clear();
            qputenv("TMPDIR", tmp.toUtf8());
            CBookRecord r;
            const bool found = r.LookupByIsbn(QStringLiteral("0596000278"), true);
            qputenv("TMPDIR", oldTmp);
            QVERIFY(found);
            QVERIFY(r.newFrontCoverSource.isEmpty());
            QCOMPARE(f.messenger.messages.size(), 1);
            QVERIFY2(f.messenger.messages.first().startsWith("Cannot open file for writing.\n"),
                     qPrintable(f.messenger.messages.first()));
            QVERIFY(f.messenger.messages.first().endsWith("/OrdoXXXXXX.jpg"));
            QCOMPARE(r.errorText, f.messenger.messages.first());
        }
    }

    void lookupByIsbn_cancelStopsARunningLookup()
    {
        OpenLibraryFixture f;
        f.server.hang(QStringLiteral("/books/OL1001M.json"));
        CCancelToken token;
        CBookRecord r;
        r.cancelToken = &token;
        bool result = true;
        QElapsedTimer timer;
        std::thread worker([&] { result = r.LookupByIsbn(QStringLiteral("0596000278"), true); });
        QTRY_COMPARE(f.server.requestCount(), 2);
        QCOMPARE(r.statusText.get(), QString("Loading book information from Open Library..."));
        timer.start();
        token.cancel();
        worker.join();
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!result);
        QVERIFY(!r.fatalError);
        QVERIFY(f.messenger.messages.isEmpty());
        QVERIFY(r.newFrontCoverSource.isEmpty());
        QCOMPARE(f.server.requestCount(), 2); // no cover was asked for
    }

    void lookupByKeywords_looksUpTheChosenItem()
    {
        OpenLibraryFixture f;
        PickingChooser chooser;
        chooser.pick = QStringLiteral("Café Cartography");
        CBookRecord r;
        QVERIFY(r.LookupByKeywords(QStringLiteral("  Café & Co #1 "), QStringLiteral("Zoë AND Δ"), QString(), true,
                                   chooser));
        QCOMPARE(chooser.words, QStringList({"Café & Co #1", "Zoë AND Δ", ""}));
        QCOMPARE(r.ISBN, QString("0596000278"));
        QCOMPARE(r.Title, QString("Café Cartography"));
        QVERIFY(!r.newFrontCoverSource.isEmpty());
        QVERIFY(!r.onlySearchRow);

        const auto search = f.server.requests().first();
        QCOMPARE(search.path, QString("/search.json"));
        QCOMPARE(search.queryValue("title"), QString("Café & Co #1"));
        QCOMPARE(search.queryValue("author"), QString("Zoë AND Δ"));
        QVERIFY(!search.hasQueryItem("publisher"));
        QCOMPARE(search.queryValue("page"), QString("1"));
        QCOMPARE(search.queryValue("limit"), QString("20"));
        QVERIFY(search.rawTarget.startsWith(
            "/search.json?title=Caf%C3%A9%20%26%20Co%20%231&author=Zo%C3%AB%20AND%20%CE%94&page=1&limit=20&fields="));
        QCOMPARE(f.server.requests().at(1).queryValue("bibkeys"), QString("ISBN:0596000278"));
    }

    void lookupByKeywords_itemWithoutIsbnUsesItsEditionKey()
    {
        OpenLibraryFixture f;
        PickingChooser chooser;
        chooser.pick = QStringLiteral("Old Almanac");
        CBookRecord r;
        QVERIFY(r.LookupByKeywords(QStringLiteral("almanac"), QString(), QString(), true, chooser));
        QCOMPARE(r.Title, QString("Old Almanac"));
        QCOMPARE(r.Author, QString("Anonymous"));
        QCOMPARE(r.ReleaseDate, QString("Jan 01, 1898"));
        QCOMPARE(r.PageCount, QString("96"));
        QCOMPARE(r.Binding, QString("Board book"));
        QCOMPARE(r.URL, f.server.url("/books/OL1003M"));
        QVERIFY(r.ISBN.isEmpty());
        QVERIFY(r.newFrontCoverSource.isEmpty());
        QCOMPARE(f.targets().mid(1), QStringList({"/api/books?bibkeys=OLID%3AOL1003M&jscmd=data&format=json",
                                                  "/books/OL1003M.json"}));
    }

    // The row the user picked is not thrown away when its own lookup fails:
    // the record gets what the row showed, and the reason, without a box.
    void lookupByKeywords_keepsThePickedRowWhenItsLookupFails()
    {
        OpenLibraryFixture f;
        for (const char *isbn : {"0596000278", "9780596000271"})
            f.server.serveData(QStringLiteral("/api/books?bibkeys=ISBN:") + isbn, "{}", "application/json");
        PickingChooser chooser;
        chooser.pick = QStringLiteral("Café Cartography");
        CBookRecord r;
        r.Subtitle = QStringLiteral("stale");
        QVERIFY(r.LookupByKeywords(QStringLiteral("café"), QString(), QString(), true, chooser));
        QVERIFY(r.onlySearchRow);
        // Title, first author, publisher, date and ISBN as the row showed them.
        QCOMPARE((QStringList{r.Title, r.Author, r.Publisher, r.ReleaseDate, r.ISBN}),
                 QStringList({"Café Cartography", "Zoë Ångström", "Éditions Lumière & Fils", "Jun 01, 2003",
                              "0596000278"}));
        QVERIFY(r.Subtitle.isEmpty());
        QVERIFY(r.newFrontCoverSource.isEmpty());
        QCOMPARE(r.errorText, QString("No book with ISBN 0596000278 was found at Open Library."));
        QVERIFY(f.messenger.messages.isEmpty());

        // A service that cannot be reached keeps the row too.
        f.server.serveData(QStringLiteral("/api/books"), "down", "text/plain", 503);
        CBookRecord unreachable;
        QVERIFY(unreachable.LookupByKeywords(QStringLiteral("café"), QString(), QString(), true, chooser));
        QVERIFY(unreachable.onlySearchRow);
        QCOMPARE(unreachable.Title, QString("Café Cartography"));
        QCOMPARE(unreachable.errorText, QString("Failed to load book info from Open Library."));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void lookupByKeywords_cancelledOrUnusableChoice()
    {
        OpenLibraryFixture f;
        {
            PickingChooser chooser;
            chooser.cancelMessage = QStringLiteral("why not");
            CBookRecord r;
            r.errorText = QStringLiteral("before");
            QVERIFY(!r.LookupByKeywords(QStringLiteral("x"), QString(), QString(), true, chooser));
            QCOMPARE(r.errorText, QString("why not"));
        }
        {
            PickingChooser chooser;
            CBookRecord r;
            r.errorText = QStringLiteral("before");
            QVERIFY(!r.LookupByKeywords(QStringLiteral("x"), QString(), QString(), true, chooser));
            QCOMPARE(r.errorText, QString("before"));
        }
        {
            PickingChooser chooser;
            chooser.forcedKey = QStringLiteral("0596000279"); // bad check digit
            CBookRecord r;
            f.server.clearRequests();
            QVERIFY(!r.LookupByKeywords(QStringLiteral("x"), QString(), QString(), true, chooser));
            QCOMPARE(f.server.requestCount(), 1); // the search only
        }
        {
            // A failed search passes its message on as the error text.
            f.server.serveData(QStringLiteral("/search.json"), "oops", "text/plain", 502);
            PickingChooser chooser;
            CBookRecord r;
            QVERIFY(!r.LookupByKeywords(QStringLiteral("x"), QString(), QString(), true, chooser));
            QCOMPARE(r.errorText, QString("Failed to load book info from Open Library."));
        }
    }
};

QTEST_GUILESS_MAIN(BookRecordLookupTest)
#include "bookrecordlookup_test.moc"
