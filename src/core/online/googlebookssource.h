#pragma once

#include "httpclient.h"
#include "lookupsource.h"
#include "onlinesettings.h"

class QJsonObject;

// Google Books (API v1, volumes): an ISBN is looked up with a q=isbn:
// search, the item whose identifiers hold the ISBN is chosen and its full
// volume record read; keyword searches use intitle:, inauthor: and
// inpublisher:, 20 items a page. Item keys of rows without an ISBN are
// volume ids. The API key from the settings goes with every request.
class CGoogleBooksSource : public ILookupSource
{
public:
    static constexpr char kName[] = "GoogleBooks";

    // Name, display name and address settings of this source.
    static CLookupSourceInfo Info();

    static constexpr int kPageSize = 20;

    explicit CGoogleBooksSource(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    QString DisplayName() const override;
    LookupOutcome LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText) override;
    LookupOutcome LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText) override;
    bool IsItemKey(const QString &key) const override;
    CSearchPage Search(const QString &title, const QString &author, const QString &publisher,
                       int page) override;

    // A publisher without the quotes the service sometimes leaves around it.
    static QString CleanPublisher(const QString &publisher);

private:
    LookupOutcome findIsbn(const QString &isbn, CBookRecord &record, QString &serviceText);
    LookupOutcome readVolume(const QString &id, const QJsonObject &fallbackInfo, CBookRecord &record,
                             QString &serviceText);
    LookupOutcome getJson(const QString &url, QJsonObject &object, QString &serviceText);
    // The series of a volume: its number is in the volume, its name only in
    // the series record.
    LookupOutcome readSeries(const QJsonObject &info, CBookRecord &record);
    QString volumesUrl() const;
    QString withKey(const QString &url) const;

    COnlineSettings m_settings;
    CHttpClient m_http;
};
