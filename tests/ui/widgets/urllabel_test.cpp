#include "recordingmessenger.h"
#include "widgets/urllabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QTest>

namespace {

// Counts what the label asks the desktop to open and answers with a preset code.
struct FakeOpener
{
    QStringList opened;
    int result = 33;

    CUrlLabel::Opener opener()
    {
        return [this](const QString &address) {
            opened << address;
            return result;
        };
    }
};

void hover(QWidget *w, bool in)
{
    if (in) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(w, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }
}

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(30, 30, 30));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(200, 150, 255));
    return p;
}

} // namespace

class UrlLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void textAndAddressFillEachOther()
    {
        CUrlLabel onlyText(QStringLiteral("https://example.org/книги"));
        QCOMPARE(onlyText.url(), QStringLiteral("https://example.org/книги"));

        CUrlLabel onlyAddress;
        onlyAddress.SetUrl(QStringLiteral("https://example.org/"));
        QCOMPARE(onlyAddress.text(), QStringLiteral("https://example.org/"));
        QCOMPARE(onlyAddress.toolTip(), QStringLiteral("https://example.org/"));

        // Both set: the text is shown, the address opened and shown as tooltip.
        FakeOpener fake;
        CUrlLabel both(QString::fromUtf8("Ordoteca 网站 · Ιστότοπος"));
        both.SetUrl(QStringLiteral("https://ordoteca.example.org/"));
        both.setOpener(fake.opener());
        QCOMPARE(both.text(), QString::fromUtf8("Ordoteca 网站 · Ιστότοπος"));
        QCOMPARE(both.toolTip(), QStringLiteral("https://ordoteca.example.org/"));
        both.show();
        QTest::mouseClick(&both, Qt::LeftButton);
        QCOMPARE(fake.opened, QStringList{"https://ordoteca.example.org/"});
    }

    void coloursUnderlineAndCursor()
    {
        CUrlLabel label(QStringLiteral("https://example.org/"));
        label.setPalette(QPalette(QColor(240, 240, 240)));
        label.show();
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label.currentColor(), QColor(0, 0, 238));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 238));
        QVERIFY(!label.font().underline());

        hover(&label, true);
        QVERIFY(label.isPointerOver());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(label.font().underline());

        hover(&label, false);
        QVERIFY(!label.isPointerOver());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 238));
        QVERIFY(!label.font().underline());
    }

    void successfulOpenTurnsVisited()
    {
        FakeOpener fake;
        RecordingMessenger messages;
        CUrlLabel label(QStringLiteral("https://example.org/"));
        label.setOpener(fake.opener());
        label.show();
        hover(&label, true);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(fake.opened.size(), 1);
        QVERIFY(label.isVisited());
        QVERIFY(!label.isPointerOver()); // a click clears the hover state
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(85, 26, 139));
        QCOMPARE(messages.messages, QStringList());

        // The right button opens nothing.
        QTest::mousePress(&label, Qt::RightButton);
        QTest::mouseRelease(&label, Qt::RightButton);
        QCOMPARE(fake.opened.size(), 1);
    }

    void failedOpenReportsWhy_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no association")
            << 31 << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("sharing violation") << 26 << "A sharing violation occurred. ";
        QTest::newRow("out of memory") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("unknown") << 7 << "Unknown Error (7) occurred.";
    }
    void failedOpenReportsWhy()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        FakeOpener fake;
        fake.result = code;
        RecordingMessenger messages;
        CUrlLabel label(QStringLiteral("mailto:nobody"));
        label.setOpener(fake.opener());
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(messages.messages, QStringList{QStringLiteral("Unable to open hyperlink:\n\n") + reason});
        QCOMPARE(messages.icons.value(0), IMessenger::Icon::Warning);
        QVERIFY(!label.isVisited());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 238));
    }

    // Mends: the link can be reached with Tab and opened from the keyboard.
    void keyboardFocusAndActivation()
    {
        FakeOpener fake;
        QWidget window;
        auto *before = new QWidget(&window);
        before->setFocusPolicy(Qt::StrongFocus);
        auto *label = new CUrlLabel(QStringLiteral("https://example.org/"), &window);
        label->setOpener(fake.opener());
        label->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QTest::keyClick(&window, Qt::Key_Tab);
        QTRY_VERIFY(label->hasFocus());
        QTest::keyClick(label, Qt::Key_Return);
        QTest::keyClick(label, Qt::Key_Space);
        QTest::keyClick(label, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(fake.opened.size(), 3);
        QTest::keyClick(label, Qt::Key_A);
        QTest::keyClick(label, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(fake.opened.size(), 3);
    }

    // Mends: on a dark palette the fixed dark blue would hardly show.
    void darkPaletteUsesThePalettesLinkColours()
    {
        FakeOpener fake;
        QWidget parent;
        parent.setPalette(darkPalette());
        auto *label = new CUrlLabel(QStringLiteral("https://example.org/"), &parent);
        label->setOpener(fake.opener());
        parent.show();
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(120, 170, 255));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(200, 150, 255));
        hover(label, true);
        const QColor over = label->palette().color(QPalette::WindowText);
        QVERIFY(over.red() > 200 && over.lightness() > 128);

        // Switching the theme back to light restores the classic colours.
        hover(label, false);
        parent.setPalette(QPalette(QColor(240, 240, 240)));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(85, 26, 139));
    }

    void fitsItsTextKeepingItsAlignmentEdge_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("kept");
        QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignTop) << "left";
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignTop) << "right";
        QTest::newRow("centred") << int(Qt::AlignHCenter | Qt::AlignVCenter) << "centre";
    }
    void fitsItsTextKeepingItsAlignmentEdge()
    {
        QFETCH(int, alignment);
        QFETCH(QString, kept);
        QWidget parent;
        parent.resize(600, 200);
        auto *label = new CUrlLabel(QString::fromUtf8("Ordoteca · 书目 · Ελληνικά"), &parent);
        label->setAlignment(Qt::Alignment(alignment));
        const QRect before(50, 40, 400, 60);
        label->setGeometry(before);
        label->FitWindow();
        const QRect after = label->geometry();
        QFont underlined = label->font();
        underlined.setUnderline(true);
        const int textWidth = QFontMetrics(underlined).horizontalAdvance(label->text());
        QVERIFY(after.width() >= textWidth && after.width() < before.width());
        QVERIFY(after.height() < before.height());
        if (kept == QLatin1String("left")) {
            QCOMPARE(after.left(), before.left());
            QCOMPARE(after.top(), before.top());
        } else if (kept == QLatin1String("right")) {
            QCOMPARE(after.right(), before.right());
        } else {
            QVERIFY(qAbs(after.center().x() - before.center().x()) <= 1);
            QVERIFY(qAbs(after.center().y() - before.center().y()) <= 1);
        }

        // Growing works the same way from the left edge.
        label->setText(label->text().repeated(5));
        label->setAlignment(Qt::AlignLeft);
        label->FitWindow();
        QCOMPARE(label->geometry().left(), after.left());
        QVERIFY(label->geometry().width() > after.width());
    }
};

QTEST_MAIN(UrlLabelTest)
#include "urllabel_test.moc"
