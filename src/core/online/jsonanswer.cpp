#include "jsonanswer.h"

LookupOutcome ReadJsonAnswer(const CHttpResponse &response, const JsonComplaint &complaint,
                             QJsonObject &object, QString &serviceText)
{
    if (response.error == CHttpResponse::Error::Cancelled)
        return LookupOutcome::Cancelled;
    if (!response.completed())
        return LookupOutcome::Unreachable;

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(response.body, &error);
    const QString message = complaint.text(doc);
    if (!message.isEmpty() && response.status >= complaint.lowestStatus && response.status < 500) {
        serviceText = message;
        return LookupOutcome::ServiceError;
    }
    if (!response.ok() || error.error != QJsonParseError::NoError || !doc.isObject())
        return LookupOutcome::Unreachable;
    object = doc.object();
    return LookupOutcome::Found;
}
