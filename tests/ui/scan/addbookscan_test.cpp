// Scanned ISBNs reaching the Add Book dialog's list.
#include "online/addbookdlg.h"
#include "scan/barcodescandlg.h"

#include "barcodepictures.h"
#include "recordingmessenger.h"
#include "testsettings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace BarcodePictures;

namespace {

QString bookPicture(const QTemporaryDir &dir, const QString &name, const std::vector<std::string> &eans)
{
    std::vector<Placement> codes;
    for (size_t i = 0; i < eans.size(); ++i) {
        Placement code;
        code.modules = Encode(ZXing::BarcodeFormat::EAN13, eans[i]);
        code.centre = QPointF(330 + 620 * double(i), 360);
        codes.push_back(code);
    }
    const QString path = dir.filePath(name);
    if (!Scene(QSize(1280, 720), codes).save(path))
        qFatal("cannot save %s", qPrintable(path));
    return path;
}

// Drives the scan window once it is up: waits until it has read its
// pictures, then presses Done (or Cancel).
void whenScanWindowOpens(bool done, std::function<void(CBarcodeScanDlg *)> before = {})
{
    QTimer::singleShot(0, [=] {
        auto *scan = qobject_cast<CBarcodeScanDlg *>(QApplication::activeModalWidget());
        if (!scan) {
            // Not up yet: try again on the next turn of the event loop.
            whenScanWindowOpens(done, before);
            return;
        }
        if (before)
            before(scan);
        // Closed in any case, so that a failure cannot leave the test hanging.
        if (!QTest::qWaitFor([scan] { return !scan->isReadingPictures(); }, 20000))
            qWarning("the scan window did not read its pictures in time");
        auto *box = scan->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (done)
            scan->findChild<QPushButton *>(QStringLiteral("buttonDone"))->click();
        else
            box->button(QDialogButtonBox::Cancel)->click();
    });
}

} // namespace

class AddBookScanTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings = std::make_unique<TestSettings>(); }
    void cleanup() { m_settings.reset(); }

    void appendedIsbnsFollowTheTypedOnes_data();
    void appendedIsbnsFollowTheTypedOnes();
    void appendingSwitchesToIsbnMode();
    void scannedPicturesGoIntoTheListOnDone();
    void cancelledScanAddsNothing();
    void cameraWindowWithoutCameraOffersPictures();

private:
    std::unique_ptr<TestSettings> m_settings;
    QTemporaryDir m_dir;
};

void AddBookScanTest::appendedIsbnsFollowTheTypedOnes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "0596000278\n9791032305690";
    QTest::newRow("one line") << "1565922433"
                              << "1565922433\n0596000278\n9791032305690";
    QTest::newRow("ends with line break") << "1565922433\r\n"
                                          << "1565922433\n0596000278\n9791032305690";
    QTest::newRow("trailing blank lines") << "1565922433\n\n  \n"
                                          << "1565922433\n0596000278\n9791032305690";
}

void AddBookScanTest::appendedIsbnsFollowTheTypedOnes()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    CAddBookDlg dialog;
    dialog.setIsbnText(typed);
    dialog.appendIsbns({QStringLiteral("0596000278"), QStringLiteral("9791032305690")});
    QCOMPARE(dialog.isbnText(), expected);

    // OK takes them all: none is lost behind a blank line.
    RecordingMessenger messenger;
    dialog.accept();
    QVERIFY(messenger.messages.isEmpty() && messenger.questions.isEmpty());
    QCOMPARE(dialog.isbnList(), expected.split(QLatin1Char('\n')));
}

void AddBookScanTest::appendingSwitchesToIsbnMode()
{
    CAddBookDlg dialog;
    dialog.setMode(CAddBookDlg::ModeKeywords);
    dialog.appendIsbns({});
    QCOMPARE(dialog.mode(), int(CAddBookDlg::ModeKeywords));
    dialog.appendIsbns({QStringLiteral("0596000278")});
    QCOMPARE(dialog.mode(), int(CAddBookDlg::ModeIsbn));
    QVERIFY(dialog.findChild<QPlainTextEdit *>(QStringLiteral("editIsbns"))->isEnabled());
}

void AddBookScanTest::scannedPicturesGoIntoTheListOnDone()
{
    const QString one = bookPicture(m_dir, QStringLiteral("книга 1.png"), {"9780596000271"});
    const QString two = bookPicture(m_dir, QStringLiteral("书 2.png"), {"9791032305690", "9780596000271"});
    const QString none = bookPicture(m_dir, QStringLiteral("vacío.png"), {});
    CAddBookDlg dialog;
    dialog.setIsbnText(QStringLiteral("1565922433"));
    dialog.setOpenPicturesDialog([&](QWidget *, const QString &) { return QStringList{one, two, none}; });
    dialog.show();
    whenScanWindowOpens(true);
    dialog.findChild<QPushButton *>(QStringLiteral("buttonScanPictures"))->click();
    // The ISBN seen in two pictures is listed once.
    QCOMPARE(dialog.isbnText(), QStringLiteral("1565922433\n0596000278\n9791032305690"));
}

void AddBookScanTest::cancelledScanAddsNothing()
{
    const QString one = bookPicture(m_dir, QStringLiteral("one.png"), {"9780596000271"});
    CAddBookDlg dialog;
    dialog.setIsbnText(QStringLiteral("1565922433"));
    dialog.setOpenPicturesDialog([&](QWidget *, const QString &) { return QStringList{one}; });
    dialog.show();
    whenScanWindowOpens(false);
    dialog.OnScanPictures();
    QCOMPARE(dialog.isbnText(), QStringLiteral("1565922433"));

    // No picture chosen: no scan window at all.
    dialog.setOpenPicturesDialog([](QWidget *, const QString &) { return QStringList(); });
    dialog.OnScanPictures();
    QCOMPARE(dialog.isbnText(), QStringLiteral("1565922433"));
}

void AddBookScanTest::cameraWindowWithoutCameraOffersPictures()
{
    if (CBarcodeScanDlg(CBarcodeScanDlg::Source::Camera).hasCamera())
        QSKIP("this machine has a camera");
    const QString one = bookPicture(m_dir, QStringLiteral("Ωμέγα.png"), {"9780596000271"});
    CAddBookDlg dialog;
    dialog.setOpenPicturesDialog([&](QWidget *, const QString &) { return QStringList{one}; });
    dialog.show();
    whenScanWindowOpens(true, [](CBarcodeScanDlg *scan) {
        QVERIFY(!scan->hasCamera());
        scan->findChild<QPushButton *>(QStringLiteral("buttonScanPictures"))->click();
    });
    dialog.findChild<QPushButton *>(QStringLiteral("buttonScanCamera"))->click();
    QCOMPARE(dialog.isbnText(), QStringLiteral("0596000278"));
}

QTEST_MAIN(AddBookScanTest)
#include "addbookscan_test.moc"
