#pragma once

#include "online/httpclient.h"
#include "online/onlinesettings.h"
#include "recordingmessenger.h"
#include "testhttpserver.h"
#include "testsettings.h"

#include <QStringList>

// What the fixtures of the online sources share: fresh per-user settings, a
// recording messenger, a local test server answering from one folder of
// tests/data/online, and online settings without a gap between requests.
// A fixture points its service at the server, then calls saveSettings().
class OnlineFixture
{
public:
    // The picture the fixtures serve as their books' covers.
    static constexpr char kCoverFile[] = "openlibrary/b/id/240726-L.jpg";

    // Changes settings and stores them.
    template <typename Fn> void change(Fn fn)
    {
        fn(online);
        online.Save();
    }

    // The paths of the requests so far, with their raw query.
    QStringList targets() const
    {
        QStringList list;
        for (const auto &r : server.requests())
            list << QString::fromUtf8(r.rawTarget);
        return list;
    }

    TestSettings settings;
    RecordingMessenger messenger;
    TestHttpServer server;
    COnlineSettings online;

protected:
    explicit OnlineFixture(const QString &fixtureFolder) : server(fixtureFolder) { online.requestGap = 0; }

    // Stores the settings and forgets the gaps earlier tests left for their hosts.
    void saveSettings()
    {
        online.Save();
        CHttpClient::ResetHostGaps();
    }
};
