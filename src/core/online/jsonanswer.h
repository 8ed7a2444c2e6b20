#pragma once

#include "httpresponse.h"
#include "lookupsource.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// How a service's own complaint stands in its JSON answer, and from which
// status on it is taken as the service refusing the request (up to 499).
struct JsonComplaint
{
    QString (*text)(const QJsonDocument &document);
    int lowestStatus;
};

// The object of a service's JSON answer: Found with object set; Cancelled;
// ServiceError with the complaint in serviceText; Unreachable for a failed
// transfer, an error status or anything that is not a JSON object.
LookupOutcome ReadJsonAnswer(const CHttpResponse &response, const JsonComplaint &complaint,
                             QJsonObject &object, QString &serviceText);
