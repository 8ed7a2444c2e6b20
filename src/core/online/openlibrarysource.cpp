#include "openlibrarysource.h"

#include "catalog/bookrecord.h"

#include <QJsonObject>

COpenLibrarySource::COpenLibrarySource(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_cancel(cancel), m_http(settings, cancel)
{
}

QString COpenLibrarySource::DisplayName() const
{
    return QStringLiteral("Open Library");
}

LookupOutcome COpenLibrarySource::LookupIsbn(const QString &, CBookRecord &, QString &)
{
    return LookupOutcome::Unreachable;
}

LookupOutcome COpenLibrarySource::LookupItem(const QString &, CBookRecord &, QString &)
{
    return LookupOutcome::Unreachable;
}

bool COpenLibrarySource::IsItemKey(const QString &key) const
{
    return key.startsWith(QLatin1String("/books/OL"));
}

CSearchPage COpenLibrarySource::Search(const QString &, const QString &, const QString &, int page)
{
    CSearchPage result;
    result.page = page;
    result.outcome = LookupOutcome::Unreachable;
    return result;
}
