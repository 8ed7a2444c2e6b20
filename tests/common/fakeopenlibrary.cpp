#include "fakeopenlibrary.h"

#include "online/httpclient.h"
#include "online/onlinesettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

void PointLookupAtServer(const TestHttpServer &server, int totalTimeoutSeconds)
{
    COnlineSettings settings;
    settings.openLibraryUrl = server.baseUrl();
    settings.openLibraryCoversUrl = server.baseUrl();
    settings.requestGap = 0;
    settings.connectTimeout = 2;
    settings.totalTimeout = totalTimeoutSeconds;
    settings.stallTimeout = totalTimeoutSeconds;
    settings.Save();
    CHttpClient::ResetHostGaps();
}

QByteArray MadeUpBookAnswer(const QString &isbn, const QString &coversBaseUrl)
{
    QJsonObject book{
        {"title", QStringLiteral("Book %1").arg(isbn)},
        {"authors", QJsonArray{QJsonObject{{"name", "Ἀριστοτέλης"}}, QJsonObject{{"name", "Лев Толстой"}}}},
        {"publishers", QJsonArray{QJsonObject{{"name", "出版社"}}}},
        {"publish_date", "2003-06-01"},
        {"number_of_pages", 321},
        {"cover", QJsonObject{{"large", coversBaseUrl + "/b/id/240726-L.jpg"}}},
    };
    return QJsonDocument(QJsonObject{{QStringLiteral("ISBN:") + isbn, book}}).toJson(QJsonDocument::Compact);
}

void ServeMadeUpBooks(TestHttpServer &server)
{
    const QString base = server.baseUrl();
    server.handle(QStringLiteral("/api/books"), [base](const httplib::Request &req, httplib::Response &res) {
        const QString bibkey = QString::fromStdString(req.get_param_value("bibkeys"));
        if (!bibkey.startsWith(QLatin1String("ISBN:"))) {
            res.set_content("{}", "application/json");
            return;
        }
        res.set_content(MadeUpBookAnswer(bibkey.mid(5), base).toStdString(), "application/json");
    });
}
