#pragma once

#include "lookupsource.h"

#include <QString>

// One keyword request of the results dialog: passes the words through the
// source's SearchWords, asks the source for a page and reports the outcome
// through the messenger, the way the dialog's list needs it.
class CKeywordQuery
{
public:
    CKeywordQuery(ILookupSource &source, const QString &title, const QString &author, const QString &publisher);

    // Nothing is sent when all three words are empty (an empty page comes
    // back), nor when the source's cleaning leaves them all empty ("Please
    // enter at least one of them..." shown and set as page.message).
    // Unreachable and ServiceError are shown and set page.message;
    // an answered page without rows shows "No valid results found." and
    // leaves page.message empty; page.statusLine is set for every answer.
    CSearchPage Run(int page);

private:
    ILookupSource &m_source;
    QString m_title;
    QString m_author;
    QString m_publisher;
};
