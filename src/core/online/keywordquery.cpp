#include "keywordquery.h"

#include "app/messenger.h"
#include "app/strings.h"

CKeywordQuery::CKeywordQuery(ILookupSource &source, const QString &title, const QString &author,
                             const QString &publisher)
    : m_source(source), m_title(title), m_author(author), m_publisher(publisher)
{
}

CSearchPage CKeywordQuery::Run(int page)
{
    CSearchPage result;
    result.page = page;
    if (m_title.isEmpty() && m_author.isEmpty() && m_publisher.isEmpty())
        return result;

    const QString title = m_source.SearchWords(m_title);
    const QString author = m_source.SearchWords(m_author);
    const QString publisher = m_source.SearchWords(m_publisher);
    // Words a source cleaned away entirely leave nothing to search for:
    // asking the service with an empty expression would only get an error
    // or everything it has.
    if (title.isEmpty() && author.isEmpty() && publisher.isEmpty()) {
        result.message = LoadStr(IDS_ENTER_TITLE_AUTHOR_PUBLISHER);
        messenger().showMessage(result.message, IMessenger::Icon::Information);
        return result;
    }

    result = m_source.Search(title, author, publisher, page);
    result.page = page;
    switch (result.outcome) {
    case LookupOutcome::Unreachable:
        result.rows.clear();
        result.message = m_source.UnreachableText();
        messenger().showMessage(result.message, IMessenger::Icon::Warning);
        return result;
    case LookupOutcome::ServiceError:
        result.rows.clear();
        result.message = m_source.ServiceErrorText(result.serviceText);
        messenger().showMessage(result.message, IMessenger::Icon::Warning);
        return result;
    case LookupOutcome::Cancelled:
        result.rows.clear();
        return result;
    case LookupOutcome::Found:
    case LookupOutcome::NotFound:
        break;
    }
    result.statusLine = LoadCountStr(IDS_RESULTS_STATUS, result.totalResults)
                            .arg(LoadCountStr(IDS_RESULT_PAGES, result.totalPages))
                            .arg(page);
    if (result.rows.isEmpty())
        messenger().showMessage(LoadStr(IDS_NO_VALID_RESULTS), IMessenger::Icon::Information);
    return result;
}
