#include "app/lockkeyindicators.h"
#include "app/lockkeystate.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>
#include <memory>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

// A private X server for this test, so the lock state can be set for real.
// Started before the application object, which then runs on it.
class PrivateXServer
{
public:
    PrivateXServer()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // -displayfd 1: the server picks a free display and prints its number.
        m_process.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("640x480x24")});
        if (!m_process.waitForStarted(10000))
            return;
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(10000))
            out += m_process.readAllStandardOutput();
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (ok)
            m_display = ":" + QByteArray::number(number);
    }
    ~PrivateXServer()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    QByteArray display() const { return m_display; }

private:
    QProcess m_process;
    QByteArray m_display;
};

PrivateXServer *g_server = nullptr;

// Locks or unlocks real modifiers on the test's X server, as the keys would.
void lockModifiers(Display *display, unsigned int mask, bool on)
{
    XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display, False);
}

struct Panes
{
    QLabel caps{QStringLiteral("CAP")};
    QLabel num{QStringLiteral("NUM")};
    QLabel scroll{QStringLiteral("SCRL")};
};

} // namespace

class LockKeyIndicatorsTest : public QObject
{
    Q_OBJECT

private slots:
    // Without a system reading, the panes start off and follow the presses,
    // once per key press however many widgets the event passes.
    void withoutSystemState_followsThePresses()
    {
        Panes p;
        CLockKeyIndicators indicators(&p.caps, &p.num, &p.scroll);
        indicators.setReader([] { return std::optional<LockKeyState>(); });
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!p.caps.isEnabled() && !p.num.isEnabled() && !p.scroll.isEnabled());
        QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
        QVERIFY(p.caps.isEnabled());
        QVERIFY(!p.num.isEnabled());
        QTest::keyClick(window.windowHandle(), Qt::Key_NumLock);
        QTest::keyClick(window.windowHandle(), Qt::Key_ScrollLock);
        QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
        QVERIFY(!p.caps.isEnabled());
        QVERIFY(p.num.isEnabled());
        QVERIFY(p.scroll.isEnabled());
    }

    // A reader that knows the state wins over counting presses.
    void systemState_shownFromTheStartAndAfterEachLockKey()
    {
        LockKeyState state{true, false, true};
        Panes p;
        CLockKeyIndicators indicators(&p.caps, &p.num, &p.scroll);
        indicators.setReader([&] { return std::optional<LockKeyState>(state); });
        QVERIFY(p.caps.isEnabled());
        QVERIFY(!p.num.isEnabled());
        QVERIFY(p.scroll.isEnabled());
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        state = {true, true, false};
        QTest::keyClick(window.windowHandle(), Qt::Key_NumLock);
        QVERIFY(p.caps.isEnabled());
        QVERIFY(p.num.isEnabled());
        QVERIFY(!p.scroll.isEnabled());
        // Another key leaves the panes alone.
        state = {};
        QTest::keyClick(window.windowHandle(), Qt::Key_A);
        QVERIFY(p.caps.isEnabled());
    }

    // On a real X server the state is read from the keyboard extension,
    // also when a lock was already on before the program started.
    void x11_readsTheRealLockState()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("no X server to test with (Xvfb missing)");
        Display *display = XOpenDisplay(g_server->display().constData());
        QVERIFY(display);
        const auto closeDisplay = qScopeGuard([&] { XCloseDisplay(display); });
        const unsigned int numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
        QVERIFY(numMask != 0);

        lockModifiers(display, LockMask, true);
        lockModifiers(display, numMask, false);
        std::optional<LockKeyState> state = ReadX11LockState(display);
        QVERIFY(state);
        QVERIFY(state->caps);
        QVERIFY(!state->num);

        // The program's own reading, as the status bar makes it at start.
        Panes p;
        CLockKeyIndicators indicators(&p.caps, &p.num, &p.scroll);
        QVERIFY(p.caps.isEnabled());
        QVERIFY(!p.num.isEnabled());

        lockModifiers(display, LockMask, false);
        lockModifiers(display, numMask, true);
        QTRY_VERIFY(ReadX11LockState()->num);
        indicators.refresh();
        QVERIFY(!p.caps.isEnabled());
        QVERIFY(p.num.isEnabled());
        lockModifiers(display, numMask, false);
    }
};

int main(int argc, char *argv[])
{
    // Runs on its own X server when there is one, whatever QT_QPA_PLATFORM says.
    PrivateXServer server;
    g_server = &server;
    if (!server.display().isEmpty()) {
        qputenv("DISPLAY", server.display());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("XAUTHORITY");
    }
    QApplication app(argc, argv);
    LockKeyIndicatorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "lockkeyindicators_test.moc"
