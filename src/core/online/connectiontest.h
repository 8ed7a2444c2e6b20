#pragma once

#include "lookupsource.h"

#include <QString>

class CCancelToken;
struct COnlineSettings;

// What one test lookup at a source gave: how it ended, the message the user
// would have seen (empty when the service answered) and how long it took.
struct CConnectionTestResult
{
    LookupOutcome outcome = LookupOutcome::Unreachable;
    QString sourceName;
    QString message;
    qint64 elapsedMs = 0;

    // The service answered: with the book or with "not known".
    bool answered() const { return outcome == LookupOutcome::Found || outcome == LookupOutcome::NotFound; }
};

// Looks one well-known ISBN up at the source the settings choose, without
// showing anything (messages are kept from the messenger) and without
// downloading a cover. Runs on any thread.
CConnectionTestResult RunConnectionTest(const COnlineSettings &settings,
                                        const CCancelToken *cancel = nullptr);

// The ISBN that RunConnectionTest asks for.
QString ConnectionTestIsbn();
