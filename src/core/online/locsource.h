#pragma once

#include "httpclient.h"
#include "lookupsource.h"
#include "onlinesettings.h"

class CXmlAnswer;

// The Library of Congress catalogue through SRU 1.1 (searchRetrieve, MODS
// records). An ISBN is asked for in both its forms at once; keyword searches
// are CQL with quoted, escaped values, 20 records a page. The library has no
// cover pictures: the cover comes from Open Library's covers service by
// ISBN. Item keys of rows without an ISBN are "lccn:" and the record's LCCN.
class CLocSource : public ILookupSource
{
public:
    static constexpr char kName[] = "LibraryOfCongress";

    // Name, display name and address settings of this source.
    static CLookupSourceInfo Info();

    static constexpr int kPageSize = 20;

    explicit CLocSource(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    QString DisplayName() const override;
    LookupOutcome LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText) override;
    LookupOutcome LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText) override;
    bool IsItemKey(const QString &key) const override;
    CSearchPage Search(const QString &title, const QString &author, const QString &publisher,
                       int page) override;

    // A CQL search term: the value in double quotes, with \, ", and the
    // masking characters *, ? and ^ escaped by a backslash.
    static QString CqlTerm(const QString &index, const QString &value);

private:
    // One searchRetrieve; Found when the service answered without a
    // diagnostic, with the answer parsed into xml.
    LookupOutcome retrieve(const QString &cql, int start, int count, CXmlAnswer &xml, QString &serviceText);
    LookupOutcome lookupQuery(const QString &cql, const QString &isbn, CBookRecord &record,
                              QString &serviceText);

    COnlineSettings m_settings;
    CHttpClient m_http;
};
