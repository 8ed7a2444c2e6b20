#include "bookproperties.h"

#include "saveconflict.h"

#include "app/defaultvalues.h"
#include "app/strings.h"
#include "bookbasicpage.h"
#include "bookcoverspage.h"
#include "bookdescriptionpage.h"
#include "booklinkspage.h"
#include "bookloanspage.h"
#include "booknotespage.h"
#include "bookpersonalpage.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"
#include "catalog/loancommands.h"
#include "catalog/sqlvalue.h"
#include "catalog/typednumber.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

QDate ReadBookDate(const QString &text)
{
    // The settings' purchase date follows the same rules as a book's dates.
    return ParsePurchaseDate(text);
}

namespace {

QString storedDateText(const QDate &date)
{
    return date.isValid() ? FormatCatalogDate(date) : QString();
}

QString coverPath(const QString &fileName)
{
    return fileName.isEmpty() ? QString() : ImagesFolder() + QLatin1Char('/') + fileName;
}

// A page count looked up online can be a whole line of a product page ("432
// pages"), which the sheet's count field would refuse: show the number the
// catalogue keeps of it instead.
QString pageCountShown(const QString &stored)
{
    if (ParseCountText(stored))
        return stored;
    const QString literal = FormatSqlValue(stored, SqlInteger);
    return literal == QLatin1String("NULL") ? QString() : literal;
}

} // namespace

CBookProperties::CBookProperties(int captionId, QWidget *parent) : CPropertySheet(LoadStr(captionId), parent)
{
    m_basicPage = new CBookBasicPage;
    m_personalPage = new CBookPersonalPage;
    m_linksPage = new CBookLinksPage;
    m_descriptionPage = new CBookDescriptionPage;
    m_notesPage = new CBookNotesPage;
    m_coversPage = new CBookCoversPage;
    m_loansPage = new CBookLoansPage;
    // The tab titles' access keys answer on every page, so no field of any
    // page uses them (ui.app.translations checks each language).
    AddPage(m_basicPage);
    AddPage(m_personalPage);
    AddPage(m_linksPage);
    AddPage(m_descriptionPage);
    AddPage(m_notesPage);
    AddPage(m_coversPage);
    AddPage(m_loansPage);
    resize(minimumSizeHint().expandedTo(QSize(640, 480)));
}

CBookProperties::~CBookProperties() = default;

void CBookProperties::SetNewBook(bool isNew)
{
    m_isNew = isNew;
    m_personalPage->setNewBook(isNew);
}

void CBookProperties::SetConnection(std::shared_ptr<Connection> connection)
{
    m_connection = std::move(connection);
    m_basicPage->setConnection(m_connection.get());
    m_personalPage->setConnection(m_connection.get());
}

void CBookProperties::OnInitDialog()
{
    copyRecordToPages();
    m_pagesFilled = true;
    // The start page was set up before the record reached its members.
    if (CPropertyPage *page = GetActivePage())
        page->UpdateData(false);
}

void CBookProperties::copyRecordToPages()
{
    const CBookRecord &r = m_record;
    CBookBasicPage &g = *m_basicPage;
    g.m_title = r.Title;
    g.m_subtitle = r.Subtitle;
    g.m_author = r.Author;
    g.m_url = r.URL;
    g.m_edition = r.Edition;
    g.m_publisher = r.Publisher;
    g.m_isbn = r.ISBN;
    g.m_pageCount = pageCountShown(r.PageCount);
    g.m_language = r.Language;
    // An empty or unreadable date opens as "no date": saving must not turn a
    // missing date into today's.
    g.m_releaseDate = ReadBookDate(r.ReleaseDate);
    g.m_binding = r.Binding;
    g.m_dimension = r.Dimension;
    g.m_extras = r.Extras;
    g.m_series = r.Series;
    g.m_seriesNumber = r.SeriesNumber;

    CBookPersonalPage &p = *m_personalPage;
    p.m_purchaseDate = ReadBookDate(r.PurchaseDate);
    // A new book is added today unless the lookup or a copy says otherwise.
    p.m_dateAdded = m_isNew && r.DateAdded.isEmpty() ? QDate::currentDate() : ReadBookDate(r.DateAdded);
    p.m_store = r.Store;
    p.m_readings = r.readings;
    p.m_purchasePrice = r.PurchasePrice;
    p.m_listPrice = r.ListPrice;
    p.m_amazonPrice = r.AmazonPrice;
    p.m_location = r.Location;
    p.m_status = r.Status;
    p.m_currentPage = r.CurrentPage;
    p.m_amazonRating = r.AmazonRating;
    p.m_numOfReviews = r.NumOfReviews;
    p.m_myRating = r.MyRating;
    p.m_userText1 = r.UserText1;
    p.m_userText2 = r.UserText2;
    p.m_ebookOnly = r.EBookOnly;
    p.m_format = r.Format;
    p.m_size = r.BookSize;

    m_linksPage->m_links = r.links;
    if (!m_isNew && m_connection)
        m_loansPage->setLoans(LoansOfBook(*m_connection, r.BookID).value_or(QVector<LoanEntry>()));
    m_descriptionPage->m_html = r.Description;
    m_notesPage->m_html = r.Notes;
    if (m_isNew) {
        // The pictures fetched for the new book.
        m_coversPage->m_frontPath = r.newFrontCoverSource;
        m_coversPage->m_backPath = r.newBackCoverSource;
        m_coversPage->setDownloads(m_downloadedFiles + r.temporaryFiles, r.largeImageUrl);
    } else {
        // The book's own cover files: saving finds them in place and keeps them.
        m_coversPage->m_frontPath = coverPath(r.FrontCover);
        m_coversPage->m_backPath = coverPath(r.BackCover);
    }
}

void CBookProperties::copyPagesToRecord()
{
    CBookRecord &r = m_record;
    const CBookBasicPage &g = *m_basicPage;
    r.Title = g.m_title;
    r.Subtitle = g.m_subtitle;
    r.Author = g.m_author;
    r.URL = g.m_url;
    r.Edition = g.m_edition;
    r.Publisher = g.m_publisher;
    r.ISBN = QString(g.m_isbn).remove(QLatin1Char('-'));
    r.PageCount = g.m_pageCount;
    r.Language = g.m_language;
    r.ReleaseDate = storedDateText(g.m_releaseDate);
    r.Binding = g.m_binding;
    r.Dimension = g.m_dimension;
    r.Extras = g.m_extras;
    r.Series = g.m_series;
    r.SeriesNumber = g.m_seriesNumber;

    const CBookPersonalPage &p = *m_personalPage;
    r.PurchaseDate = storedDateText(p.m_purchaseDate);
    // A date added that is no date (text from an import) stays unless the
    // user picks one.
    if (p.m_dateAdded.isValid() || ReadBookDate(r.DateAdded).isValid())
        r.DateAdded = storedDateText(p.m_dateAdded);
    r.Store = p.m_store;
    r.readings = p.m_readings;
    r.PurchasePrice = p.m_purchasePrice;
    r.ListPrice = p.m_listPrice;
    r.AmazonPrice = p.m_amazonPrice;
    r.Location = p.m_location;
    r.Status = p.m_status;
    r.CurrentPage = p.m_currentPage;
    r.AmazonRating = p.m_amazonRating;
    r.NumOfReviews = p.m_numOfReviews;
    r.MyRating = p.m_myRating;
    r.UserText1 = p.m_userText1;
    r.UserText2 = p.m_userText2;
    r.EBookOnly = p.m_ebookOnly;
    r.Format = p.m_format;
    r.BookSize = p.m_size;

    r.links = m_linksPage->m_links;
    r.Description = m_descriptionPage->m_html;
    r.Notes = m_notesPage->m_html;
    r.newFrontCoverSource = m_coversPage->m_frontPath;
    r.newBackCoverSource = m_coversPage->m_backPath;
}

void CBookProperties::collectEditorTexts()
{
    // Shared with the callbacks, which may still arrive after a time-out.
    struct State
    {
        int pending = 0;
        QEventLoop loop;
    };
    auto state = std::make_shared<State>();
    for (CHtmlEditorPage *page :
         {static_cast<CHtmlEditorPage *>(m_descriptionPage), static_cast<CHtmlEditorPage *>(m_notesPage)}) {
        if (!page->isReady())
            continue;
        ++state->pending;
        page->CollectHtml([weak = std::weak_ptr<State>(state)] {
            if (auto s = weak.lock(); s && --s->pending == 0)
                s->loop.quit();
        });
    }
    if (state->pending == 0)
        return;
    // The buttons wait with the sheet; a second OK or a Cancel meanwhile
    // would run the save twice or close over a running save.
    okButton()->setEnabled(false);
    cancelButton()->setEnabled(false);
    QTimer::singleShot(kCollectTimeoutMs, &state->loop, &QEventLoop::quit);
    state->loop.exec(QEventLoop::ExcludeUserInputEvents);
    okButton()->setEnabled(true);
    cancelButton()->setEnabled(true);
}

void CBookProperties::reject()
{
    if (!m_collecting)
        CPropertySheet::reject();
}

bool CBookProperties::OnOK()
{
    if (m_collecting)
        return false;
    if (!CPropertySheet::OnOK())
        return false;
    if (!m_pagesFilled)
        copyRecordToPages(); // OK without the sheet ever shown: save the record as given
    m_collecting = true;
    collectEditorTexts();
    m_collecting = false;
    copyPagesToRecord();
    m_saved = m_connection && saveRecord();
    // The save has reported its own problems. It is all or nothing, so a
    // failed one changed nothing: the sheet stays open with everything
    // typed, to try again or to copy the text away.
    return m_saved;
}

bool CBookProperties::saveRecord()
{
    for (;;) {
        m_record.conflict = {};
        if (m_record.Save(m_isNew, m_categoryId, ImagesFolder(), *m_connection))
            return true;
        // Someone else saved or deleted the book meanwhile (a shared
        // catalogue): nothing was written and the user decides.
        switch (AskAboutSaveConflict(m_record.conflict)) {
        case SaveConflictChoice::Overwrite:
            m_record.overwrite = true;
            continue;
        case SaveConflictChoice::SaveAsNew:
            SetNewBook(true);
            continue;
        case SaveConflictChoice::Reload:
            reloadRecord();
            return false;
        case SaveConflictChoice::KeepEditing:
            return false;
        }
    }
}

void CBookProperties::reloadRecord()
{
    CBookRecord fresh;
    if (!fresh.Load(m_record.BookID, *m_connection))
        return;
    m_record = fresh;
    copyRecordToPages();
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->UpdateData(false);
}
