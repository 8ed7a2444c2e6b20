#pragma once

#include "bookid.h"

#include "linkentry.h"
#include "readinglog.h"
#include "sharedtext.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

class CCancelToken;
class Connection;
class Recordset;
class IKeywordChooser;

// One book in memory. The catalogue fields are named after the columns of
// table book and hold text exactly as the user or the online lookup gave it;
// values become SQL literals only when the book is saved. Lookup columns
// (Publisher, Language, Binding, Extras, Store, Location, Status, Format) are
// held by name: Load turns ids into names, Save turns names back into ids and
// adds lookup rows for new names.
//
// A record holds no connection. Copying or assigning a record copies every
// field except temporaryFiles, which stays with the record that made the
// files and is deleted with it.
class CBookRecord
{
public:
    // Files that belong to one record: a copy starts empty, assigning leaves
    // the target's own list alone, and destroying the list deletes the files.
    // Moving hands the files over: the target owns them along with its own.
    class TemporaryFiles : public QStringList
    {
    public:
        TemporaryFiles() = default;
        TemporaryFiles(const TemporaryFiles &) : QStringList() {}
        TemporaryFiles(TemporaryFiles &&other) noexcept : QStringList(std::exchange<QStringList>(other, {}))
        {
        }
        TemporaryFiles &operator=(const TemporaryFiles &) { return *this; }
        TemporaryFiles &operator=(TemporaryFiles &&other)
        {
            if (&other != this)
                append(std::exchange<QStringList>(other, {}));
            return *this;
        }
        ~TemporaryFiles();
    };

    CBookRecord();

    // Prepares the record for a new book: empties the catalogue fields and
    // both new cover sources, then fills the defaults for new books from the
    // settings (Settings\Default). BookID, links, the lookup working fields
    // and temporaryFiles are left alone.
    void ResetToDefaults();

    // Reads book bookId with its links (appended to links) and its reading
    // log. A book that does
    // not exist is not an error: BookID becomes bookId and the other fields
    // keep their values. False after a database error, which has been shown.
    bool Load(BookId bookId, Connection &connection);

    // Reads the fields of many books from rows of "SELECT * FROM book ...":
    // column positions are found once and lookup names come from tables
    // read once (ReadAll), so a thousand books cost a few queries instead
    // of ten per book. Fills what Load fills except the links.
    class RowReader
    {
    public:
        // Every lookup table's names by id; false after a database error,
        // which has been shown.
        [[nodiscard]] bool ReadAll(Connection &connection);
        // Finds the columns of rs (call once per opened recordset).
        void SetColumns(const Recordset &rs);
        // The book on rs's current row; BookID is set by the caller.
        void Read(const Recordset &rs, CBookRecord &book) const;

    private:
        QVector<QHash<qint64, QString>> m_names; // per lookup column
        QVector<int> m_textColumns;
        QVector<int> m_lookupColumns;
        int m_ratingColumn = -1;
        int m_ebookColumn = -1;
    };

    // Writes the record as a new book (id MAX+1, member of categoryId) or over
    // the existing book BookID (keeping its category memberships). Cover
    // sources are copied into imagesFolder as "<id><ext>" and "<id>b<ext>";
    // links are renumbered 1, 2, 3 ... The database part is all or nothing:
    // on failure the catalogue, the cover files and this record stay as they
    // were and the error has been shown. A cover that cannot be copied is
    // reported and does not fail the save. BookID is not changed, even for a
    // new book; FrontCover and BackCover get the stored names.
    [[nodiscard]] bool Save(bool isNew, CategoryId categoryId, const QString &imagesFolder, Connection &connection);

    // On a catalogue several people share, a save over an existing book first
    // compares the book's row version with the one Load read. When someone
    // else saved or deleted the book in between, Save writes nothing, shows
    // nothing and returns false with conflict.code set (DbErrorCode::Conflict
    // or RowDeleted) and who did it when; the caller asks the user. Setting
    // overwrite makes the next Save write anyway (and clears it); a deleted
    // book can only be saved again as a new one.
    struct SaveConflict
    {
        int code = 0;
        QString changedBy;
        QDateTime changedAt;
    };
    SaveConflict conflict;
    bool overwrite = false;
    // The row version Load read (0: none, or a file catalogue).
    qint64 loadedVersion = 0;

    // Makes the books members of categoryId, skipping books that already are
    // and reporting how many were skipped ("%d duplicate(s) are not saved.").
    // False after a database error, which has been shown; memberships added
    // before it stay.
    static bool AddBooksToCategory(int count, const BookId *bookIds, CategoryId categoryId, Connection &connection);
    static bool AddBooksToCategory(const QVector<BookId> &bookIds, CategoryId categoryId, Connection &connection);

    // Path of link linkIdText of book bookIdText (both as taken from an
    // ordolink address). Only plain non-negative integers are looked up;
    // anything else finds nothing. False (path untouched) when not found.
    static bool GetLinkPath(const QString &bookIdText, const QString &linkIdText, Connection &connection,
                            QString &path);

    // Looks the book up at the lookup source chosen in the settings and fills
    // the record: catalogue fields, URL, ISBN (in the stored ISBN form) and a
    // downloaded cover in newFrontCoverSource (listed in temporaryFiles).
    // With clearFirst the record is reset to the defaults first. True when
    // the service returned the book. On failure the message has been shown
    // through the messenger and errorText holds it; fatalError is set when
    // the service could not be reached. A cover that cannot be downloaded
    // does not fail the lookup. Runs on any thread; statusText follows the
    // progress and cancelToken (when set) aborts the lookup.
    bool LookupByIsbn(const QString &isbn, bool clearFirst);

    // Searches by title, author and publisher (each trimmed) and lets the
    // chooser (the results dialog) pick one item, which is then looked up as
    // by LookupByIsbn(item, false). True when an item was chosen and not
    // cancelled. When the item's own lookup fails, the user's pick is not
    // lost: the record gets what the row showed (title, author, publisher,
    // release date, ISBN), onlySearchRow is set and errorText says why; that
    // failure is not shown through the messenger. A cancelled choice sets
    // errorText to the chooser's message text when that is not empty.
    bool LookupByKeywords(const QString &title, const QString &author, const QString &publisher,
                          bool clearFirst, IKeywordChooser &chooser);

    // Reads the bookstore's product page of the book, productPageBaseUrl +
    // isbn, for its binding, page count, dimensions, edition and (when
    // Description is still empty) editorial review. False when the page
    // could not be downloaded ("Unable to download the html page." shown and
    // kept as errorText); a page without the expected layout changes nothing.
    bool ParseProductPage(const QString &isbn);

    // Downloads the picture at largeImageUrl into a new file in the temporary
    // folder, named after its real format (.jpg, .gif, .png, .webp), and
    // appends the file to temporaryFiles. False without a file when the
    // answer is not a 2xx picture of at least 2048 bytes; only a failed
    // request ("Unable to download the cover picture.") or an unwritable file
    // ("Cannot open file for writing.") is shown.
    bool DownloadCover(QString &coverPath);

    // The address prefix of the bookstore's product pages given to new
    // records ("http://" + host + "/exec/obidos/tg/detail/-/"). The host can
    // be changed for the whole program (tests point it at a local server).
    static QString ProductPageBaseUrl();
    static void SetProductPageHost(const QString &host);

    // Catalogue fields, in the order of the book table's design. Numbers,
    // prices and dates are text; only these three are integers.
    BookId BookID = 0;
    QString FrontCover; // bare file name inside the images folder
    QString BackCover;  // bare file name inside the images folder
    QString Title;
    QString Subtitle;
    QString Author;
    QString URL;
    QString Edition;
    QString ReleaseDate; // "Jan 05, 2004"
    QString Publisher;   // name in bookpublisher
    QString ISBN;
    QString PageCount;
    QString Language; // name in booklanguage
    QString Binding;  // name in bookbinding
    QString Dimension;
    QString Extras;       // name in bookextras
    QString PurchaseDate; // "Jan 05, 2004"
    QString Store;        // name in bookstore
    QString PurchasePrice;
    QString ListPrice;
    QString AmazonPrice;
    QString Location; // name in booklocation
    QString Status;   // name in bookstatus
    QString CurrentPage;
    QString AmazonRating;
    QString NumOfReviews;
    int MyRating = 0; // 0 = not rated, stored as NULL
    QString UserText1;
    QString UserText2;
    int EBookOnly = 0; // 0 or 1
    QString Format;    // name in bookformat
    QString BookSize;
    QString Description; // HTML
    QString Notes;       // HTML
    QString DateAdded;   // "Jan 05, 2004"; set to the day a new book is saved when empty
    QString Series;      // name in bookseries
    QString SeriesNumber; // as printed: "3", "3.5", "III", "Book 2"
    QVector<CLinkEntry> links;
    CReadingLog readings; // in the order they happened

    // Working values of the online lookup.
    QString productPageBaseUrl; // product page of a book = this + its ISBN
    QString largeImageUrl;      // cover picture address from the last item request
    CSharedText statusText;     // progress text of a running lookup; readable from any thread
    QString errorText;          // message of the last failed lookup
    bool fatalError = false;    // the item request could not be made at all
    bool notFound = false;      // the services answered, and none knows the book
    bool onlySearchRow = false; // LookupByKeywords could fill in only the chosen search row
    QString answeredBy;         // the other source that found the book when the chosen one did not
    // Trip it from another thread to abort a running lookup (not owned; may
    // be null). Copies share it.
    CCancelToken *cancelToken = nullptr;

    // Full paths of the pictures that are to be the covers after the next
    // save; empty means "no cover".
    QString newFrontCoverSource;
    QString newBackCoverSource;

    // Files made for this record (downloaded pages and pictures).
    TemporaryFiles temporaryFiles;
};
