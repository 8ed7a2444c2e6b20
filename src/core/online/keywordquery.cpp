#include "keywordquery.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "lookupmessages.h"

CKeywordQuery::CKeywordQuery(ILookupSource &source, const QString &title, const QString &author,
                             const QString &publisher)
    : m_source(source), m_title(title), m_author(author), m_publisher(publisher)
{
}

QString CKeywordQuery::CleanWords(const QString &words)
{
    QString text = words;
    text.remove(QLatin1Char(':'));
    text.remove(QLatin1Char('&'));
    text = QLatin1Char(' ') + text.toLower() + QLatin1Char(' ');
    // Replacing " and " by " " can leave a second operator right behind the
    // space it kept ("a and and b"), so repeat until none is left.
    for (const QLatin1String op : {QLatin1String(" and "), QLatin1String(" or "), QLatin1String(" not ")}) {
        while (text.contains(op))
            text.replace(op, QLatin1String(" "));
    }
    return text.trimmed();
}

CSearchPage CKeywordQuery::Run(int page)
{
    CSearchPage result;
    result.page = page;
    if (m_title.isEmpty() && m_author.isEmpty() && m_publisher.isEmpty())
        return result;

    result = m_source.Search(CleanWords(m_title), CleanWords(m_author), CleanWords(m_publisher), page);
    result.page = page;
    switch (result.outcome) {
    case LookupOutcome::Unreachable:
        result.rows.clear();
        result.message = UnreachableMessage(m_source.DisplayName());
        messenger().showMessage(result.message, IMessenger::Icon::Warning);
        return result;
    case LookupOutcome::ServiceError:
        result.rows.clear();
        result.message = ServiceErrorMessage(m_source.DisplayName(), result.serviceText);
        messenger().showMessage(result.message, IMessenger::Icon::Warning);
        return result;
    case LookupOutcome::Cancelled:
        result.rows.clear();
        return result;
    case LookupOutcome::Found:
    case LookupOutcome::NotFound:
        break;
    }
    result.statusLine = LoadStr(IDS_RESULTS_STATUS)
                            .arg(result.totalResults)
                            .arg(result.totalPages)
                            .arg(page);
    if (result.rows.isEmpty())
        messenger().showMessage(LoadStr(IDS_NO_VALID_RESULTS), IMessenger::Icon::Information);
    return result;
}
