// The online lookup of CBookRecord: the record's side of a lookup (status,
// messages, ISBN form, cover) around the source chosen in the settings.

#include "catalog/bookrecord.h"

#include "canceltoken.h"
#include "keywordchooser.h"

bool CBookRecord::LookupByIsbn(const QString &, bool)
{
    return false;
}

bool CBookRecord::LookupByKeywords(const QString &, const QString &, const QString &, bool, IKeywordChooser &)
{
    return false;
}

bool CBookRecord::DownloadCover(QString &)
{
    return false;
}
