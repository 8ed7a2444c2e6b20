// File > Import... and File > Export Catalogue... end to end: the wizard
// driven page by page, the import into an open catalogue, the summary, the
// online fill-up through the batch dialog, and the export dialog.
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "fakeopenlibrary.h"
#include "online/batchquerydlg.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testhttpserver.h"
#include "testsettings.h"
#include "transfer/exportcatalogdlg.h"
#include "transfer/importwizard.h"
#include "transfer/transfercommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString sample(const char *name)
{
    return QStringLiteral(ORDO_TEST_DATADIR "/transfer/") + QLatin1String(name);
}

struct Fixture
{
    TestSettings settings;
    RecordingMessenger messages;
    TestCatalog cat;
    COrdoDoc doc;
    QWidget parent;
    CTransferCommands commands{&doc, &parent};

    Fixture()
    {
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("catalogue did not open");
        doc.setCurrentCategory(1);
    }

    // Runs the wizard the way a user clicks through it; edit changes the
    // target page before Next.
    void driveWizard(const QString &path, std::function<void(CImportWizard &)> edit = {},
                     QStringList *previewStatus = nullptr)
    {
        commands.setWizardRunner([=](CImportWizard &w) {
            w.show();
            w.findChild<QLineEdit *>("editPath")->setText(path);
            w.next();
            if (w.currentId() != CImportWizard::PageColumns)
                return int(QDialog::Rejected); // the file was refused
            w.next();
            if (edit)
                edit(w);
            w.next();
            if (previewStatus) {
                QTableWidget *t = w.previewTable();
                for (int r = 0; r < t->rowCount(); ++r)
                    *previewStatus << t->item(r, 4)->text();
            }
            w.accept();
            return w.result();
        });
    }
};

} // namespace

class TransferCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void goodreads_throughTheWizard()
    {
        Fixture f;
        QStringList status;
        f.driveWizard(
            sample("goodreads_library_export.csv"),
            [](CImportWizard &w) {
                w.findChild<QRadioButton *>("radioNew")->setChecked(true);
                w.findChild<QLineEdit *>("editNewCategory")->setText("Из Goodreads");
            },
            &status);
        QSignalSpy imported(&f.commands, &CTransferCommands::booksImported);
        QVERIFY(f.commands.RunImport());
        QCOMPARE(imported.count(), 1);
        QCOMPARE(status.size(), 6);
        QCOMPARE(status.at(0), QStringLiteral("OK"));
        QVERIFY(status.at(4).contains("neither a title"));
        QVERIFY(status.at(5).contains("\"many\" is not a number; left empty"));
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY2(f.messages.messages.at(0).contains("Added: 5"), qPrintable(f.messages.messages.at(0)));
        QVERIFY(f.messages.messages.at(0).contains("Line 7"));
        QVERIFY(f.messages.messages.at(0).contains("Line 8, Number of Pages: \"many\" is not a number"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 5);
        QCOMPARE(f.cat.scalar("SELECT ParentID FROM category WHERE Name='Из Goodreads'"),
                 QStringLiteral("1"));
    }

    void mappingChoice_isUsedAndRemembered()
    {
        Fixture f;
        f.driveWizard(sample("goodreads_library_export.csv"), [](CImportWizard &w) {
            // Back on the columns page: Date Read becomes the purchase date.
            w.back();
            w.setMapping(int(w.table().columns.indexOf("Date Read")), ImportField::PurchaseDate);
            w.next();
            w.findChild<QCheckBox *>("checkSubCategories")->setChecked(false);
        });
        QVERIFY(f.commands.RunImport());
        QCOMPARE(f.cat.scalar("SELECT PurchaseDate FROM book WHERE ISBN='2070360024'"),
                 QStringLiteral("Mar 14, 2019"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM category"), 4); // no shelves

        CImportWizard again(&f.doc);
        QVERIFY(again.loadFile(sample("goodreads_library_export.csv")));
        QCOMPARE(again.mapping().at(again.table().columns.indexOf("Date Read")), ImportField::PurchaseDate);
    }

    // Many repaired values: the box shows the first of them and the whole
    // list can be saved, every line of it.
    void longReport_canBeSavedWhole()
    {
        Fixture f;
        QTemporaryDir dir;
        QByteArray csv = "Title,Pages\n";
        for (int i = 1; i <= 45; ++i)
            csv += "Книга " + QByteArray::number(i) + ",xl; " + QByteArray::number(100 + i) + "\n";
        QFile file(dir.filePath("many.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        f.driveWizard(file.fileName());
        const QString report = dir.filePath("report.txt");
        f.commands.setReportPathChooser([&] { return report; });
        QVERIFY(f.commands.RunImport());
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.at(0).contains("... and 15 more"));
        QCOMPARE(f.messages.questions.size(), 1);
        QFile saved(report);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(saved.readAll());
        QCOMPARE(text.count("read as"), 45);
        QVERIFY(text.contains("Line 46, Pages: \"xl; 145\" read as 145."));
    }

    void badFile_staysOnTheFilePage()
    {
        Fixture f;
        f.driveWizard(sample("ragged.csv"));
        QVERIFY(!f.commands.RunImport());
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.at(0).contains("Line 3 has 2 fields"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 0);
    }

    void lookUpAfterwards_fillsEmptyFieldsAndCovers()
    {
        Fixture f;
        TestHttpServer server(QStringLiteral("openlibrary"));
        // A loaded machine (tests in parallel, sanitizers) must not turn the
        // lookup into a time-out: the outcome is what this test is about.
        PointLookupAtServer(server, 60);
        ServeMadeUpBooks(server);
        QTemporaryDir dir;
        QFile csv(dir.filePath("mine.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Title,ISBN\nMy own title,0306406152\nNo ISBN here,\n");
        csv.close();
        f.driveWizard(csv.fileName(),
                      [](CImportWizard &w) { w.findChild<QCheckBox *>("checkLookUp")->setChecked(true); });
        QStringList queued;
        QString summary;
        int refreshesAtEnd = -1;
        QSignalSpy refreshed(&f.doc, &COrdoDoc::treeRefillRequested);
        f.commands.setBatchRunner([&](CBatchQueryDlg &batch) {
            for (int i = 0; i < batch.rowCount(); ++i)
                queued << batch.rowIsbn(i);
            refreshed.clear();
            QSignalSpy ended(&batch, &CBatchQueryDlg::workerFinished);
            batch.show();
            batch.OnStart();
            // However long the machine takes: the outcome, not a time-out.
            QElapsedTimer waiting;
            waiting.start();
            while (ended.count() == 0 && waiting.elapsed() < 120000)
                ended.wait(1000);
            // The window stays open with its outcome; tree and list reload already.
            summary = batch.isVisible() ? batch.statusText() : QString();
            refreshesAtEnd = int(refreshed.count());
            batch.reject();
            return batch.result();
        });
        QVERIFY(f.commands.RunImport());
        QCOMPARE(summary, QString("1 updated"));
        QCOMPARE(refreshesAtEnd, 1);
        QCOMPARE(queued, QStringList{"0306406152"});
        CBookRecord r;
        QVERIFY(r.Load(1, f.cat.connection()));
        QCOMPARE(r.Title, QStringLiteral("My own title")); // the file's title stays
        QVERIFY(!r.Publisher.isEmpty());                   // filled from the lookup
        QVERIFY(!r.FrontCover.isEmpty());
        QVERIFY(QFile::exists(ImagesFolder() + "/" + r.FrontCover));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 2); // nothing added by the batch
    }

    void export_throughTheDialog()
    {
        Fixture f;
        f.cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Poesía', 1)");
        f.cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Uno'), (2, 'Dos'), (3, 'Tres')");
        f.cat.exec("INSERT INTO book_category VALUES (1, 1), (2, 32), (3, 32)");
        f.doc.setCurrentCategory(32);
        f.doc.setSelectedBooks({3});
        QTemporaryDir dir;
        const QString path = dir.filePath("poesia.csv");
        bool selectionOffered = false;
        f.commands.setExportDialogRunner([&](CExportCatalogDlg &d) {
            selectionOffered = d.findChild<QRadioButton *>("radioSelection")->isEnabled();
            d.findChild<QRadioButton *>("radioCategory")->setChecked(true);
            d.setFormat(CCatalogExporter::Csv);
            d.accept();
            return d.result();
        });
        f.commands.setPathChooser([&](CCatalogExporter::Format) { return path; });
        QVERIFY(f.commands.RunExport());
        QVERIFY(selectionOffered);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("Dos") && bytes.contains("Tres") && !bytes.contains("Uno"));
        QVERIFY(bytes.contains("Book Collection/Poesía"));
        QVERIFY(f.messages.messages.isEmpty());

        // A folder that cannot be written is reported.
        f.commands.setPathChooser(
            [&](CCatalogExporter::Format) { return dir.filePath("no/such/dir/x.csv"); });
        QVERIFY(!f.commands.RunExport());
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.at(0).startsWith("Cannot open file for writing."));
    }

    void commands_needACatalogue()
    {
        TestSettings settings;
        COrdoDoc doc;
        QWidget parent;
        CTransferCommands commands(&doc, &parent);
        QVERIFY(commands.servesCommand(32840) && commands.servesCommand(32841));
        QVERIFY(!commands.isCommandEnabled(32840));
        QVERIFY(!commands.RunImport());
        QVERIFY(!commands.RunExport());
    }
};

QTEST_MAIN(TransferCommandsTest)
#include "transfercommands_test.moc"
