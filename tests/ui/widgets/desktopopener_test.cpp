// Addresses that nothing on the desktop would open fail loudly: the desktop's
// defaults are asked through a stand-in xdg-mime on the PATH.
#include "app/messenger.h"
#include "page/pagetarget.h"
#include "recordingmessenger.h"
#include "urlcatcher.h"
#include "widgets/desktopopener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DesktopOpenerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_bin;
    QByteArray m_path;

private slots:
    void initTestCase()
    {
        // Knows a browser for web addresses and a viewer for plain text;
        // nothing else.
        QFile tool(m_bin.filePath("xdg-mime"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n"
                   "case \"$3\" in\n"
                   "  x-scheme-handler/https) echo browser.desktop ;;\n"
                   "  text/plain) echo viewer.desktop ;;\n"
                   "esac\n");
        tool.close();
        QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_path);
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void handlerIsLookedUpByKind_data()
    {
        QTest::addColumn<QString>("name"); // a file made in a temporary folder, or an address
        QTest::addColumn<bool>("handled");
        QTest::newRow("web address") << "https://example.org/Βιβλία" << true;
        QTest::newRow("chat address") << "irc://irc.example.org/books" << false;
        QTest::newRow("share") << "smb://nas/books" << false;
        QTest::newRow("plain text file") << "file:notes.txt" << true;
        // A C source is plain text too: its ancestor's viewer takes it.
        QTest::newRow("source file") << "file:main.c" << true;
        QTest::newRow("picture without viewer") << "file:cover.png" << false;
    }
    void handlerIsLookedUpByKind()
    {
        QFETCH(QString, name);
        QFETCH(bool, handled);
        QTemporaryDir dir;
        QUrl url(name);
        if (name.startsWith("file:")) {
            const QString path = dir.filePath(name.mid(5));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name.endsWith(".png") ? QByteArray("\x89PNG\r\n\x1a\n") : QByteArray("int main() {}\n"));
            file.close();
            url = QUrl::fromLocalFile(path);
        }
        QCOMPARE(HasDesktopHandler(url), handled);
    }

    // An address nothing takes is never handed to the desktop's opener,
    // which would report success and do nothing.
    void unhandledAddressFailsAndIsNamed()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("irc", &catcher, "open");
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        const QUrl chat("irc://irc.example.org/books");
        QVERIFY(!OpenWithDesktop(chat));
        QVERIFY(catcher.urls.isEmpty());
        QVERIFY(OpenWithDesktop(QUrl("https://example.org/")));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("https://example.org/")});

        // The sheet's covers and the editors' links say so.
        RecordingMessenger recorder;
        OpenPageTargetOrTell(chat.toString());
        QCOMPARE(recorder.messages, QStringList{"Unable to open hyperlink:\n\nirc://irc.example.org/books"});
        QDesktopServices::unsetUrlHandler("irc");
        QDesktopServices::unsetUrlHandler("https");
    }
};

QTEST_MAIN(DesktopOpenerTest)
#include "desktopopener_test.moc"
