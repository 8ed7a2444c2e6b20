#pragma once

#include "lookupsource.h"

#include <QString>
#include <functional>

// Lets the user pick one item of a keyword search; the program implements it
// with the results dialog. Core code cannot show that dialog, so
// CBookRecord::LookupByKeywords is given one.
class IKeywordChooser
{
public:
    // Runs the keyword request for one page (from 1): failures and an empty
    // page have already been shown through the messenger when it returns, and
    // the page carries the status line and the failure message.
    using Query = std::function<CSearchPage(int page)>;

    virtual ~IKeywordChooser() = default;

    // Shows the choice for the (trimmed) words, running query(1) first and
    // further pages on request. True with chosen = the chosen row; false
    // when cancelled (also when the first page had no rows), with
    // messageText = the last failure message (empty when none).
    virtual bool Choose(const QString &title, const QString &author, const QString &publisher, const Query &query,
                        CSearchRow &chosen, QString &messageText) = 0;
};
