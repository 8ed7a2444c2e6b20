#include "app/apppaths.h"
#include "app/strings.h"
#include "catalog/booklistquery.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"

#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

struct FixedRow
{
    const char *table;
    const char *idColumn;
    int id;
    const char *english;
    const char *italian;
};

// The fixed rows a new catalogue names in the interface language.
const FixedRow kFixedRows[] = {
    {"bookbinding", "BindingID", 1, "Hardcover", "Copertina rigida"},
    {"bookbinding", "BindingID", 2, "Paperback", "Brossura"},
    {"bookbinding", "BindingID", 3, "Unknown Binding", "Rilegatura sconosciuta"},
    {"bookextras", "ExtrasID", 3, "Floppy Disk", "Dischetto"},
    {"booklanguage", "LanguageID", 1, "English", "Inglese"},
    {"booklanguage", "LanguageID", 2, "Chinese", "Cinese"},
    {"bookstatus", "StatusID", 1, "In Collection", "In collezione"},
    {"bookstatus", "StatusID", 2, "Wish List", "Lista dei desideri"},
    {"bookstatus", "StatusID", 3, "Reference Only", "Solo consultazione"},
    {"bookstatus", "StatusID", 4, "For Sale", "In vendita"},
    {"category", "CatID", 1, "Book Collection", "Collezione di libri"},
    {"category", "CatID", 2, "Favorites", "Preferiti"},
    {"category", "CatID", 3, "Search Results", "Risultati della ricerca"},
    {"category", "CatID", 4, "Reading List", "L'elenco di lettura"},
};

QString nameSql(const FixedRow &row)
{
    return QStringLiteral("SELECT Name FROM %1 WHERE %2=%3")
        .arg(QLatin1String(row.table), QLatin1String(row.idColumn))
        .arg(row.id);
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class OrdoDocTest : public QObject
{
    Q_OBJECT

private:
    // An application folder whose template has every fixed row renamed, so a
    // new catalogue shows whether the localising statements ran.
    QTemporaryDir m_appDir;
    QString m_italianQm;
    QString m_noTranslationReason;

    void openNew(COrdoDoc &doc, const QString &path)
    {
        RecordingMessenger recorder;
        QVERIFY(doc.NewDatabase(path));
        QCOMPARE(recorder.messages, QStringList());
        QVERIFY(!doc.newCatalogueFlag());
        QCOMPARE(doc.path(), QFileInfo(path).absoluteFilePath());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid());
        const QString templ = m_appDir.filePath(QStringLiteral("ordo.dbt"));
        QVERIFY(QFile::copy(TestCatalog::templatePath(), templ));
        QFile::setPermissions(templ, QFile::ReadOwner | QFile::WriteOwner);
        {
            DbError error;
            auto connection = Connection::open(templ, &error);
            QVERIFY2(connection, qPrintable(error.message));
            for (const FixedRow &row : kFixedRows) {
                const QString sql = QStringLiteral("UPDATE %1 SET Name='unnamed' WHERE %2=%3")
                                        .arg(QLatin1String(row.table), QLatin1String(row.idColumn))
                                        .arg(row.id);
                qint64 affected = 0;
                QVERIFY2(connection->execute(sql, &affected, &error), qPrintable(error.message));
                QCOMPARE(affected, qint64(1));
            }
        }
        SetAppFolder(m_appDir.path());

        const QString lrelease = QStringLiteral("/usr/lib/qt6/bin/lrelease");
        if (!QFileInfo(lrelease).isExecutable()) {
            m_noTranslationReason = QStringLiteral("lrelease is not installed (%1)").arg(lrelease);
            return;
        }
        m_italianQm = m_appDir.filePath(QStringLiteral("OrdoResIta.qm"));
        QProcess process;
        process.start(lrelease, {QStringLiteral(ORDO_TEST_DATADIR "/lang/OrdoResIta.ts"),
                                 QStringLiteral("-qm"), m_italianQm});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    }

    void imagesFolderBesideTheCatalogue_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folderName");
        QTest::newRow("upper-case extension") << "Cat.MDB"
                                              << "Cat_images";
        QTest::newRow("lower-case extension") << "home.mdb"
                                              << "home_images";
        QTest::newRow("other extension kept") << "cat.db"
                                              << "cat.db_images";
        QTest::newRow("no extension") << "books"
                                      << "books_images";
        QTest::newRow("spaces and accents")
            << QString::fromUtf8("Libri di casa è.mdb") << QString::fromUtf8("Libri di casa è_images");
    }
    void imagesFolderBesideTheCatalogue()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, folderName);
        TestCatalog catalog(fileName);
        const QString expected = catalog.dir() + QLatin1Char('/') + folderName;
        QCOMPARE(ImagesFolderForCatalog(catalog.path()), expected);

        RecordingMessenger recorder;
        COrdoDoc doc;
        QSignalSpy opened(&doc, &COrdoDoc::documentOpened);
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QCOMPARE(recorder.messages, QStringList());
        QCOMPARE(ImagesFolder(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), catalog.path());
    }

    // A catalogue of an earlier version gets the date column (empty for its
    // books) and the list's covering index; its data stays as it was.
    void olderCatalogue_isUpgradedOnOpen()
    {
        TestCatalog catalog;
        catalog.exec("DROP INDEX book_rows");
        catalog.exec("ALTER TABLE book DROP COLUMN DateAdded");
        catalog.exec("CREATE INDEX book_list ON book(Title, BookID, Author, PublisherID, ISBN, Edition)");
        catalog.exec("INSERT INTO book (BookID, Title, PurchaseDate) VALUES (1, 'Ἰλιάς', '2001-02-03')");
        RecordingMessenger recorder;
        {
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(catalog.path()));
        }
        QCOMPARE(catalog.count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = 'book_rows'"),
                 1);
        QCOMPARE(catalog.count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = 'book_list'"),
                 0);
        QCOMPARE(catalog.count("SELECT COUNT(*) FROM book WHERE DateAdded IS NULL"), 1);
        QCOMPARE(catalog.scalar("SELECT Title || PurchaseDate FROM book"), QStringLiteral("Ἰλιάς2001-02-03"));
        QVERIFY(recorder.messages.isEmpty());

        // Opening it again changes nothing more.
        COrdoDoc again;
        QVERIFY(again.OnOpenDocument(catalog.path()));
        QVERIFY(recorder.messages.isEmpty());
    }

    void existingImagesFolderIsKept()
    {
        TestCatalog catalog;
        const QString folder = ImagesFolderForCatalog(catalog.path());
        QVERIFY(QDir().mkdir(folder));
        QFile cover(folder + QStringLiteral("/12.jpg"));
        QVERIFY(cover.open(QIODevice::WriteOnly));
        cover.write("picture");
        cover.close();

        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QVERIFY(QFile::exists(folder + QStringLiteral("/12.jpg")));
    }

    void imagesFolderThatCannotBeCreatedFailsTheOpen()
    {
        TestCatalog catalog(QStringLiteral("home.mdb"));
        // A plain file stands where the folder should go (the tests may run as
        // root, so permissions alone would not stop mkdir).
        const QString folder = catalog.dir() + QStringLiteral("/home_images");
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        RecordingMessenger recorder;
        COrdoDoc doc;
        QSignalSpy opened(&doc, &COrdoDoc::documentOpened);
        QVERIFY(!doc.OnOpenDocument(catalog.path()));
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Unable to create directory:\n") + folder});
        QVERIFY(!doc.hasConnection());
        QCOMPARE(opened.count(), 0);
        QVERIFY(QFileInfo(folder).isFile());
    }

    void missingSpecialCategoryIsRecreatedQuietly()
    {
        TestCatalog catalog;
        catalog.exec(QStringLiteral("UPDATE category SET Name='My Favourites' WHERE CatID=2"));
        catalog.exec(QStringLiteral("UPDATE category SET Name='Next Up' WHERE CatID=4"));
        catalog.exec(QStringLiteral("DELETE FROM category WHERE CatID=3"));

        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QCOMPARE(recorder.messages, QStringList());
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=2"), QStringLiteral("My Favourites"));
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=3"), QStringLiteral("Search Results"));
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=4"), QStringLiteral("Next Up"));
        QCOMPARE(catalog.scalar("SELECT ParentID FROM category WHERE CatID=3"), QString());

        // All three missing: all three come back under their English names.
        catalog.exec(QStringLiteral("DELETE FROM category WHERE CatID IN (2, 3, 4)"));
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=2"), QStringLiteral("Favorites"));
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=4"), QStringLiteral("Reading List"));
        QCOMPARE(recorder.messages, QStringList());
    }

    void openingResetsTheSelection()
    {
        TestCatalog catalog;
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        doc.setCurrentCategory(32);
        doc.setSelectedBooks({1, 2});
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QCOMPARE(doc.currentCategory(), -1);
        QVERIFY(doc.selectedBooks().isEmpty());
    }

    // The list reads through a connection of its own, which must show what
    // the main connection committed, the main connection's own uncommitted
    // rows while it holds a transaction, and the new file after another open.
    void listReaderFollowsTheCatalogue()
    {
        TestCatalog first;
        TestCatalog second;
        first.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Première')");
        second.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Второй'), (2, 'Δεύτερο')");
        RecordingMessenger recorder;
        COrdoDoc doc;
        QCOMPARE(doc.listReader(), nullptr);
        QVERIFY(doc.OnOpenDocument(first.path()));
        const auto titles = [&doc] {
            BookListRows rows;
            if (!doc.listReader() || LoadBookListRows(*doc.listReader(), AllBooksCategory, rows) !=
                                         BookListLoad::Loaded)
                return QStringList{QStringLiteral("failed")};
            QStringList result;
            for (qsizetype row = 0; row < rows.size(); ++row)
                result << rows.text(row, 0).toString();
            return result;
        };
        QVERIFY(doc.listReader() != doc.connection());
        QCOMPARE(titles(), QStringList{"Première"});

        {
            Transaction transaction(*doc.connection());
            QVERIFY(doc.connection()->execute("INSERT INTO book (BookID, Title) VALUES (2, '书')"));
            QCOMPARE(doc.listReader(), doc.connection());
            QCOMPARE(titles(), (QStringList{"Première", "书"}));
            QVERIFY(transaction.commit());
        }
        QVERIFY(doc.listReader() != doc.connection());
        QCOMPARE(titles(), (QStringList{"Première", "书"}));

        QVERIFY(doc.OnOpenDocument(second.path()));
        QCOMPARE(titles(), (QStringList{"Δεύτερο", "Второй"}));
        QVERIFY(recorder.messages.isEmpty());
    }

    void newCatalogueIsNamedInEnglish()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.mdb"));
        COrdoDoc doc;
        openNew(doc, path);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("new_images"))).isDir());
        for (const FixedRow &row : kFixedRows) {
            Recordset rs;
            QVERIFY(rs.open(*doc.connection(), nameSql(row)));
            QCOMPARE(FieldToText(rs.field(0)), QString::fromLatin1(row.english));
        }
    }

    void newCatalogueIsNamedInTheLoadedLanguage()
    {
        if (m_italianQm.isEmpty())
            QSKIP(qPrintable(m_noTranslationReason +
                             QStringLiteral(": the translated catalogue is not tested")));
        QTranslator translator;
        QVERIFY(translator.load(m_italianQm));
        QCoreApplication::installTranslator(&translator);
        const QString previousCode = UILanguageCode();
        SetUILanguageCode(QStringLiteral("Ita"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nuovo.mdb"));
        COrdoDoc doc;
        openNew(doc, path);
        QCoreApplication::removeTranslator(&translator);
        SetUILanguageCode(previousCode);

        // Reopening must not turn the special categories back into English.
        QVERIFY(doc.OnOpenDocument(path));
        for (const FixedRow &row : kFixedRows) {
            Recordset rs;
            QVERIFY(rs.open(*doc.connection(), nameSql(row)));
            QCOMPARE(FieldToText(rs.field(0)), QString::fromUtf8(row.italian));
        }
        // The apostrophe is doubled in the SQL literal and stored once.
        Recordset rs;
        QVERIFY(rs.open(*doc.connection(),
                        QStringLiteral("SELECT COUNT(*) FROM category WHERE Name='L''elenco di lettura'")));
        QCOMPARE(rs.field(0).toInt(), 1);
    }

    void missingTemplateCannotCreateFile()
    {
        TestCatalog current;
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(current.path()));

        QTemporaryDir emptyAppDir;
        SetAppFolder(emptyAppDir.path());
        const QString path = current.dir() + QStringLiteral("/new.mdb");
        QSignalSpy opened(&doc, &COrdoDoc::documentOpened);
        const bool created = doc.NewDatabase(path);
        SetAppFolder(m_appDir.path());

        QVERIFY(!created);
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Cannot create file:\n") + path});
        QVERIFY(!QFile::exists(path));
        QVERIFY(!doc.newCatalogueFlag());
        QCOMPARE(opened.count(), 0);
        // The catalogue that was open stays open.
        QVERIFY(doc.hasConnection());
        QCOMPARE(doc.path(), current.path());
    }

    void unwritableDestinationCannotCreateFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/new.mdb"));
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(!doc.NewDatabase(path));
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Cannot create file:\n") + path});
        QVERIFY(!doc.hasConnection());
    }

    void newDatabaseOverwritesAnExistingFile()
    {
        TestCatalog old(QStringLiteral("old.mdb"));
        old.exec(QStringLiteral("INSERT INTO category(CatID, Name, ParentID) VALUES(32, 'Old', 1)"));
        COrdoDoc doc;
        openNew(doc, old.path());
        Recordset rs;
        QVERIFY(rs.open(*doc.connection(), QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=32")));
        QCOMPARE(rs.field(0).toInt(), 0);
    }

    void fileThatIsNotACatalogueIsRefusedUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text") << QByteArray("ISBN list\n0123456789\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray(5000, '\x5a');
    }
    void fileThatIsNotACatalogueIsRefusedUnchanged()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        RecordingMessenger recorder;
        COrdoDoc doc;
        doc.setNewCatalogueFlag(true);
        QVERIFY(!doc.OnOpenDocument(path));
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(!recorder.messages.first().isEmpty());
        QVERIFY(!doc.hasConnection());
        QVERIFY(!doc.newCatalogueFlag());
        QCOMPARE(fileHash(path), QCryptographicHash::hash(content, QCryptographicHash::Sha256));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"notes.mdb"});
    }

    void databaseWithoutTheCatalogueTablesIsRefused()
    {
        TestCatalog catalog;
        catalog.exec(QStringLiteral("DROP TABLE link"));
        const int categories = catalog.count(QStringLiteral("SELECT COUNT(*) FROM category"));
        catalog.exec(QStringLiteral("DELETE FROM category WHERE CatID=3"));
        const QByteArray before = fileHash(catalog.path());

        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(!doc.OnOpenDocument(catalog.path()));
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages.first().contains(QStringLiteral("not an Ordoteca catalogue")));
        QCOMPARE(catalog.count(QStringLiteral("SELECT COUNT(*) FROM category")), categories - 1);
        QCOMPARE(fileHash(catalog.path()), before);
        QVERIFY(!QFileInfo::exists(ImagesFolderForCatalog(catalog.path())));
    }

    void missingFileIsRefusedAndNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone.mdb"));
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(!doc.OnOpenDocument(path));
        QCOMPARE(recorder.messages, QStringList{path + QStringLiteral(" was not found.")});
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("gone_images"))));
    }

    void failedOpenKeepsTheOpenCatalogue()
    {
        TestCatalog current;
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(current.path()));
        doc.setCurrentCategory(1);
        QVERIFY(!doc.OnOpenDocument(current.dir() + QStringLiteral("/gone.mdb")));
        QVERIFY(doc.hasConnection());
        QCOMPARE(doc.path(), current.path());
        QCOMPARE(doc.currentCategory(), 1);
    }

    void refusedNewCatalogueDoesNotRenameTheNextOne()
    {
        TestCatalog catalog;
        catalog.exec(QStringLiteral("UPDATE category SET Name='Shelf' WHERE CatID=1"));
        RecordingMessenger recorder;
        COrdoDoc doc;
        doc.setNewCatalogueFlag(true);
        QVERIFY(!doc.OnOpenDocument(catalog.dir() + QStringLiteral("/gone.mdb")));
        QVERIFY(!doc.newCatalogueFlag());
        QVERIFY(doc.OnOpenDocument(catalog.path()));
        QCOMPARE(catalog.scalar("SELECT Name FROM category WHERE CatID=1"), QStringLiteral("Shelf"));
    }
};

QTEST_GUILESS_MAIN(OrdoDocTest)
#include "ordodoc_test.moc"
