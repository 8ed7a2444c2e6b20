#include "serverkeyring.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Ordoteca");
// A keyring that does not answer must not hold up the open for long; one
// waiting for the user to unlock it gets a minute.
constexpr int kWaitMs = 60000;
bool g_enabled = true;

// Runs job to its end; false when it failed or did not finish in time.
bool runJob(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return finished && job.error() == QKeychain::NoError;
}

} // namespace

namespace ServerKeyring {

QString read(const QString &address)
{
    if (!g_enabled)
        return {};
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(address);
    return runJob(job) ? job.textData() : QString();
}

void store(const QString &address, const QString &password)
{
    if (!g_enabled)
        return;
    QKeychain::WritePasswordJob job(kService);
    job.setKey(address);
    job.setTextData(password);
    runJob(job);
}

void forget(const QString &address)
{
    if (!g_enabled)
        return;
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(address);
    runJob(job);
}

void setEnabled(bool enabled)
{
    g_enabled = enabled;
}

} // namespace ServerKeyring
