#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class CBookRecord;
class CCancelToken;
struct COnlineSettings;

// How one lookup ended.
enum class LookupOutcome {
    Found,        // the record was filled
    NotFound,     // the service answered and knows no such book
    ServiceError, // the service answered with an error message (serviceText)
    Unreachable,  // no usable answer (network, HTTP error, unreadable answer)
    Cancelled,    // the cancel token was tripped
};

// One listed item of a keyword search: a key to look the item up with and
// the five columns the results list shows.
struct CSearchRow
{
    QString itemKey;     // an ISBN when the item has one, else the source's own key
    QString isbn;        // ISBN column (may be empty)
    QString title;
    QString author;      // first author only
    QString publisher;
    QString releaseDate; // "Mmm dd, yyyy" or empty
};

// One page of a keyword search.
struct CSearchPage
{
    LookupOutcome outcome = LookupOutcome::NotFound; // Found when the service answered
    QVector<CSearchRow> rows;                         // listable items, in the service's order
    int page = 0;
    int totalResults = 0;
    int totalPages = 0;
    QString serviceText; // the service's message for ServiceError

    // Set by CKeywordQuery for the results dialog.
    QString statusLine; // "%1 results found, %2 page(s). Current page: %3 ..."
    QString message;    // failure message that was shown, empty when none
};

// One address setting of a source: where one of its services answers.
struct CServiceAddress
{
    QString key;                      // settings key in Settings/Online ("OpenLibraryUrl")
    QString label;                    // translated, for the options ("Open Library:")
    QString COnlineSettings::*member; // the value in the settings
};

// What the program knows of a source before asking it anything: the name
// stored in the settings, the name lists show and its address settings.
struct CLookupSourceInfo
{
    QString name;        // "OpenLibrary": its value of Source and FallbackSources
    QString displayName; // translated, for lists ("Open Library")
    QVector<CServiceAddress> addresses;
};

// A service that books are looked up at. Each request step of a lookup maps
// to one call: the item request (LookupIsbn or LookupItem, which also read
// the details the item answer lacks) and the keyword request (Search). The
// cover is downloaded afterwards by the record from largeImageUrl.
class ILookupSource
{
public:
    virtual ~ILookupSource() = default;

    // Shown in status texts and messages ("Open Library"); the info's
    // display name unless the source says otherwise.
    virtual QString DisplayName() const = 0;

    // The texts a lookup at this source shows: the status text while the
    // item request runs, the message when the service cannot be reached and
    // the message for an error the service sent. The defaults name the
    // source; a source with texts of its own overrides them.
    virtual QString LoadingText() const;
    virtual QString UnreachableText() const;
    virtual QString ServiceErrorText(const QString &serviceText) const;

    // Fills the catalogue fields the service knows, URL and largeImageUrl
    // (empty when there is no cover). isbn is normalised (no hyphens, no
    // blanks); when the service does not know it, the other form (10 <-> 13)
    // is tried once. ISBN is left to the caller.
    virtual LookupOutcome LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText) = 0;

    // The same for an item key of a search row that is not an ISBN.
    virtual LookupOutcome LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText) = 0;

    // True when key is one of this source's own item keys.
    virtual bool IsItemKey(const QString &key) const = 0;

    // The words of a keyword search as this source wants them; the default
    // sends them as typed (trimmed). A source whose query language chokes on
    // operators or punctuation cleans them here.
    virtual QString SearchWords(const QString &typed) const;

    // One page (from 1) of items matching the words (already passed through
    // SearchWords); empty words are left out.
    virtual CSearchPage Search(const QString &title, const QString &author, const QString &publisher,
                               int page) = 0;
};

// The source named by settings.source (Open Library for an unknown name);
// cancel may be null.
std::unique_ptr<ILookupSource> CreateLookupSource(const COnlineSettings &settings,
                                                  const CCancelToken *cancel = nullptr);

// The same for a source name ("OpenLibrary", "GoogleBooks",
// "LibraryOfCongress", "Bookstore").
std::unique_ptr<ILookupSource> CreateLookupSource(const QString &name, const COnlineSettings &settings,
                                                  const CCancelToken *cancel = nullptr);

// Every source, in the order the options list them and a fallback tries
// them. Each source class gives its own (its static Info()).
QVector<CLookupSourceInfo> LookupSources();

// Their names, in the same order.
QStringList LookupSourceNames();
