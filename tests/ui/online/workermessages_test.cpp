#include "app/collectingmessenger.h"
#include "app/messageboxmessenger.h"
#include "online/uithreadmessenger.h"
#include "recordingmessenger.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>

namespace {

// Records on which thread each message arrived.
class ThreadRecordingMessenger : public RecordingMessenger
{
public:
    void showMessage(const QString &text, Icon icon) override
    {
        threads << QThread::currentThread();
        RecordingMessenger::showMessage(text, icon);
    }
    bool askYesNo(const QString &text, Icon icon) override
    {
        threads << QThread::currentThread();
        return RecordingMessenger::askYesNo(text, icon);
    }
    QList<QThread *> threads;
};

// Runs fn on a new thread while this thread keeps its event loop going.
void runOnWorker(const std::function<void()> &fn)
{
    std::unique_ptr<QThread> thread(QThread::create(fn));
    thread->start();
    QVERIFY(QTest::qWaitFor([&] { return thread->isFinished(); }, 5000));
    thread->wait();
}

} // namespace

class WorkerMessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxesOfAWorkerOpenOnTheUiThread()
    {
        CMessageBoxMessenger boxes;
        QThread *boxThread = nullptr;
        Qt::TextFormat format = Qt::AutoText;
        QString seen;
        // Answer each box from the user-interface thread as it appears.
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxThread = box->thread();
            format = box->textFormat();
            seen = box->text();
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->button(QMessageBox::Ok)->click();
        });
        answer.start();

        QThread *worker = nullptr;
        bool yes = false;
        runOnWorker([&] {
            worker = QThread::currentThread();
            boxes.showMessage("<b>Not found</b> at Open Library", IMessenger::Icon::Warning);
        });
        QCOMPARE(boxThread, qApp->thread());
        QVERIFY(boxThread != worker);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(seen, QString("<b>Not found</b> at Open Library"));

        boxThread = nullptr;
        runOnWorker([&] { yes = boxes.askYesNo("Добавить вручную? 手动添加?"); });
        QCOMPARE(boxThread, qApp->thread());
        QVERIFY(yes);
    }

    void workerMessagesReachTheInstalledMessengerOnTheUiThread()
    {
        ThreadRecordingMessenger recording;
        recording.answer = true;
        bool yes = false;
        runOnWorker([&] {
            CUiThreadMessenger toUi;
            CThreadMessengerScope scope(&toUi);
            messenger().showMessage("first", IMessenger::Icon::Error);
            yes = messenger().askYesNo("second?");
        });
        QCOMPARE(recording.messages, QStringList{"first"});
        QCOMPARE(recording.questions, QStringList{"second?"});
        QCOMPARE(recording.icons.value(0), IMessenger::Icon::Error);
        QVERIFY(yes);
        QCOMPARE(recording.threads, QList<QThread *>({qApp->thread(), qApp->thread()}));
    }

    void aThreadScopeCoversOnlyItsThreadAndLifetime()
    {
        RecordingMessenger recording;
        CCollectingMessenger collected;
        runOnWorker([&] {
            {
                CThreadMessengerScope scope(&collected);
                messenger().showMessage("kept");
                QVERIFY(!messenger().askYesNo("asked")); // a collector says No
                // Meanwhile the installed one is still what others get.
                QCOMPARE(&installedMessenger(), static_cast<IMessenger *>(&recording));
            }
        });
        messenger().showMessage("shown");
        QCOMPARE(collected.messages, QStringList({"kept", "asked"}));
        QCOMPARE(recording.messages, QStringList{"shown"});
        QVERIFY(recording.questions.isEmpty());

        // Scopes nest and restore the outer one.
        CCollectingMessenger outer, inner;
        {
            CThreadMessengerScope a(&outer);
            {
                CThreadMessengerScope b(&inner);
                messenger().showMessage("inner");
            }
            messenger().showMessage("outer");
        }
        QCOMPARE(inner.messages, QStringList{"inner"});
        QCOMPARE(outer.messages, QStringList{"outer"});
    }
};

QTEST_MAIN(WorkerMessagesTest)
#include "workermessages_test.moc"
