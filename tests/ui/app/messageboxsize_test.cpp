// Message boxes stay usable whatever text reaches them.
#include "app/messageboxmessenger.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class MessageBoxSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void longText_fitsTheScreenAndKeepsAllOfItInTheDetails_data()
    {
        QTest::addColumn<QString>("text");
        QString lines;
        for (int i = 0; i < 3000; ++i)
            lines += QString("Строка %1 · 第%1行 · Γραμμή\n").arg(i);
        QTest::newRow("many lines") << lines + "Repair what can be repaired?";
        QTest::newRow("one endless line")
            << QString(200000, QChar(0x6587)) + "\nRepair what can be repaired?";
    }

    void longText_fitsTheScreenAndKeepsAllOfItInTheDetails()
    {
        QFETCH(QString, text);
        const auto box = CMessageBoxMessenger::MakeBox(IMessenger::Icon::Question, text,
                                                       QMessageBox::Yes | QMessageBox::No, nullptr);
        box->show();
        QTest::qWait(0);
        const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
        QVERIFY2(box->height() <= screenHeight,
                 qPrintable(QString("%1 > %2").arg(box->height()).arg(screenHeight)));
        QVERIFY(box->text().size() < text.size());
        QVERIFY(box->text().contains("..."));
        QVERIFY(box->text().endsWith("Repair what can be repaired?")); // the question stays in view
        QCOMPARE(box->detailedText(), text);
    }

    // Book fields and web text are shown as typed, never as markup.
    void richText_isShownPlain()
    {
        const QString text = "<b>Bold</b> <a href=\"javascript:x\">link</a> <img src=\"file:///etc/x\">";
        const auto box =
            CMessageBoxMessenger::MakeBox(IMessenger::Icon::Error, text, QMessageBox::Ok, nullptr);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), text);
        QVERIFY(box->detailedText().isEmpty());
    }
};

QTEST_MAIN(MessageBoxSizeTest)
#include "messageboxsize_test.moc"
