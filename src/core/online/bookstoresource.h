#pragma once

#include "httpclient.h"
#include "lookupsource.h"
#include "onlinesettings.h"

// The bookstore's XML web service (interface version 3): the heavy item
// request by ISBN, followed by the book's product page, and the lite keyword
// request ("PowerSearch") one page at a time. The service's item identifier
// (Asin) is the ISBN-10 of a book; its answers are read relative to the
// first ProductInfo/Details, so an answer with several items never mixes
// their fields.
class CBookstoreSource : public ILookupSource
{
public:
    static constexpr char kName[] = "Bookstore";

    // Name, display name and address settings of this source.
    static CLookupSourceInfo Info();

    static constexpr char kDeveloperToken[] = "K7TQ2MXR9BZL4";

    explicit CBookstoreSource(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    // The service host's name ("xml.amazon.com"), as status texts show it.
    QString DisplayName() const override;
    QString LoadingText() const override;                                // "Loading XML from %s..."
    QString UnreachableText() const override;                            // 143 (136 when no parser)
    QString ServiceErrorText(const QString &serviceText) const override; // 144
    LookupOutcome LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText) override;
    LookupOutcome LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText) override;
    bool IsItemKey(const QString &key) const override;
    // CleanWords: the service's query language takes ":" and "&" as
    // syntax and and/or/not as operators.
    QString SearchWords(const QString &typed) const override;
    // The words come cleaned (SearchWords).
    CSearchPage Search(const QString &title, const QString &author, const QString &publisher,
                       int page) override;

    // The word cleaning of the keyword request: no ":" or "&", lower case,
    // the words and, or, not dropped, trimmed.
    static QString CleanWords(const QString &words);

    QString HeavyRequestUrl(const QString &asin) const;
    QString LiteRequestUrl(const QString &escapedExpression, int page) const;
    // Product page of a book = this + its identifier.
    QString ProductPageBaseUrl() const;

    // "title:perl cookbook and publisher:o'reilly": only the non-empty
    // fields, joined by " and ".
    static QString KeywordExpression(const QString &title, const QString &author, const QString &publisher);
    // The service's own escaping (%, space, +, /, ?, #), then UTF-8
    // percent-encoding of whatever is still not safe in a query; the colons
    // after the field names stay as they are.
    static QString EscapeExpression(const QString &expression);

private:
    COnlineSettings m_settings;
    const CCancelToken *m_cancel = nullptr;
    CHttpClient m_http;
    bool m_noParser = false; // the XML parser could not be set up
};
