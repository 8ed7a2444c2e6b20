#include "pagebuilder.h"

#include <QMetaObject>
#include <QPointer>

CPageBuilder::CPageBuilder(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<PageJobResult>("PageJobResult");
    // A cancelled build may still be in its transformation (which cannot be
    // interrupted); the next one need not wait for it.
    m_pool.setMaxThreadCount(2);
}

CPageBuilder::~CPageBuilder()
{
    cancel();
    m_pool.waitForDone();
}

int CPageBuilder::start(const PageJobRequest &request)
{
    cancel();
    auto flag = std::make_shared<std::atomic_bool>(false);
    m_cancel = flag;
    const int serial = ++m_serial;
    ++m_running;
    QPointer<CPageBuilder> self(this);
    m_pool.start([self, flag, serial, request] {
        auto onProgress = [self, flag, serial](int done, int total) {
            if (!flag->load())
                QMetaObject::invokeMethod(
                    self,
                    [self, serial, done, total] {
                        if (self)
                            emit self->progress(serial, done, total);
                    },
                    Qt::QueuedConnection);
        };
        PageJobResult result = RunPageJob(request, flag.get(), onProgress);
        QMetaObject::invokeMethod(
            self,
            [self, serial, result = std::move(result)] {
                if (self)
                    self->deliver(serial, result);
            },
            Qt::QueuedConnection);
    });
    return serial;
}

void CPageBuilder::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
    m_cancel.reset();
}

void CPageBuilder::deliver(int serial, const PageJobResult &result)
{
    --m_running;
    if (serial != m_serial || result.cancelled)
        return;
    m_cancel.reset();
    emit finished(serial, result);
}
