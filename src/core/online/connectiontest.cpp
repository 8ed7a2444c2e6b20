#include "connectiontest.h"

#include "app/collectingmessenger.h"
#include "catalog/bookrecord.h"
#include "onlinesettings.h"

#include <QElapsedTimer>

QString ConnectionTestIsbn()
{
    return QStringLiteral("9780262033848");
}

CConnectionTestResult RunConnectionTest(const COnlineSettings &settings, const CCancelToken *cancel)
{
    CConnectionTestResult result;
    CCollectingMessenger quiet;
    CThreadMessengerScope scope(&quiet);
    const std::unique_ptr<ILookupSource> source = CreateLookupSource(settings, cancel);
    result.sourceName = source->DisplayName();

    CBookRecord record;
    QString serviceText;
    QElapsedTimer timer;
    timer.start();
    result.outcome = source->LookupIsbn(ConnectionTestIsbn(), record, serviceText);
    result.elapsedMs = timer.elapsed();
    if (result.outcome == LookupOutcome::ServiceError)
        result.message = source->ServiceErrorText(serviceText);
    else if (result.outcome == LookupOutcome::Unreachable)
        result.message = source->UnreachableText();
    return result;
}
