#pragma once

#include "httpclient.h"
#include "lookupsource.h"
#include "onlinesettings.h"

class QJsonObject;

// Open Library (openlibrary.org): the books API for the item, the edition
// and work records for what the item answer lacks, search.json for keyword
// searches and the covers service for pictures. Item keys of rows without an
// ISBN are edition keys ("/books/OL123M").
class COpenLibrarySource : public ILookupSource
{
public:
    static constexpr char kName[] = "OpenLibrary";

    // Name, display name and address settings of this source.
    static CLookupSourceInfo Info();

    static constexpr int kPageSize = 20;

    explicit COpenLibrarySource(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    QString DisplayName() const override;
    LookupOutcome LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText) override;
    LookupOutcome LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText) override;
    bool IsItemKey(const QString &key) const override;
    CSearchPage Search(const QString &title, const QString &author, const QString &publisher, int page) override;

private:
    // Asks the books API for one bibkey ("ISBN:..." or "OLID:...").
    LookupOutcome lookupBibKey(const QString &bibKey, const QString &isbn, CBookRecord &record,
                               QString &serviceText);
    // GET of a JSON object; Unreachable, Cancelled or ServiceError on failure.
    LookupOutcome getJson(const QString &url, QJsonObject &object, QString &serviceText);
    void readEdition(const QString &editionKey, CBookRecord &record);

    COnlineSettings m_settings;
    const CCancelToken *m_cancel = nullptr;
    CHttpClient m_http;
};
