#include "ordohtmlview.h"

#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/defaultvalues.h"
#include "app/messenger.h"
#include "app/registrykey.h"
#include "app/strings.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "ordowebpage.h"
#include "page/pagelink.h"
#include "pageprinter.h"
#include "pagescript.h"
#include "pagetarget.h"
#include "widgets/dialogfilter.h"
#include "widgets/savefiledialog.h"

#include <algorithm>
#include <QContextMenuEvent>
#include <QProgressDialog>
#include <QWebEngineHistory>
#include <QWebEngineScript>

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");
const QString kStyleValue = QStringLiteral("CSS");
const QString kTemplateValue = QStringLiteral("XSL");
const QString kPopupTitle = QStringLiteral("Html");

QString defaultSaveDialog(QWidget *parent, const QString &caption, const QString &filter,
                          const QString &defaultSuffix)
{
    return AskFileToSave(parent, caption, QString(), filter, defaultSuffix);
}

int readIndex(const QString &name, qsizetype count)
{
    CRegistryKey key;
    if (!key.SetKey(kSettingsKey, false))
        return 0;
    const int value = key.ReadInt(name, 0);
    return value < 0 || value >= count ? 0 : value;
}

// With no template chosen yet (a first start), the page speaks the interface
// language: the details template of that language, found by the same rule as
// a change of language in Options.
int readTemplateIndex(const QStringList &templates)
{
    CRegistryKey key;
    if (key.SetKey(kSettingsKey, false) && key.GetValueType(kTemplateValue) != CRegistryKey::None) {
        const int value = key.ReadInt(kTemplateValue, -1);
        if (value >= 0 && value < templates.size())
            return value;
    }
    const int details = int(templates.indexOf(QStringLiteral("DetailsEnu")));
    const QString code = UILanguageCode().isEmpty() ? QStringLiteral("Enu") : UILanguageCode();
    return TemplateIndexForLanguage(templates, details >= 0 ? details : 0, code);
}

void writeIndex(const QString &name, int value)
{
    CRegistryKey key;
    if (key.SetKey(kSettingsKey, true))
        key.WriteInt(name, value);
}

} // namespace

COrdoHtmlView::COrdoHtmlView(COrdoDoc *doc, const QStringList &styles, const QStringList &templates,
                             QWidget *parent)
    : QWebEngineView(parent), m_doc(doc), m_styles(styles), m_templates(templates), m_opener(OpenPageTarget),
      m_saveDialog(defaultSaveDialog)
{
    setObjectName(QStringLiteral("htmlView"));
    m_webPage = new COrdoWebPage(this);
    setPage(m_webPage);

    m_slice = CPageSlice(CPageSlice::SliceSizeSetting());
    m_nStyle = readIndex(kStyleValue, m_styles.size());
    m_nTemplate = m_templates.isEmpty() ? 0 : readTemplateIndex(m_templates);

    // The engine calls the navigation hook from inside its own callback; the
    // opener may show a message box, so it runs on the next turn instead.
    connect(
        m_webPage, &COrdoWebPage::linkActivated, this,
        [this](const QUrl &url) { OpenPageAddress(PageAddressText(url)); }, Qt::QueuedConnection);
    connect(m_webPage, &QWebEnginePage::loadFinished, this, &COrdoHtmlView::onLoadFinished);
    connect(m_webPage, &QWebEnginePage::renderProcessTerminated, this, &COrdoHtmlView::reloadBlankPage);
    // Queued: the engine is still busy with the navigation that replaced it.
    connect(m_webPage, &COrdoWebPage::blankPageLost, this, &COrdoHtmlView::reloadBlankPage,
            Qt::QueuedConnection);
    m_printer = new CPagePrinter(this, [this](std::function<void(bool)> done) { showFullPageThen(std::move(done)); });

    connect(&m_builder, &CPageBuilder::finished, this, &COrdoHtmlView::onBuildFinished);

    // The first display follows the load of the blank page.
    m_webPage->loadBlankPage();
}

COrdoHtmlView::~COrdoHtmlView()
{
    // The page is a child: it goes only in the base destructor, and its
    // last signals and the callbacks of scripts still running (called as the
    // page is deleted) would reach a view that is no longer one.
    *m_alive = false;
    // The printer's engine callbacks must not outlive the view either.
    delete m_printer;
    m_printer = nullptr;
    disconnect(m_webPage, nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

void COrdoHtmlView::onLoadFinished(bool ok)
{
    // Cancelled navigations end here too, as failed loads.
    if (!ok || m_blankReady || m_webPage->url() != m_webPage->blankPageUrl())
        return;
    m_blankReady = true;
    // Back and Forward have nowhere to go.
    m_webPage->history()->clear();
    ShowBookPage(false);
}

void COrdoHtmlView::reloadBlankPage()
{
    // The page is gone (with its renderer, or replaced by the engine): load
    // the blank page again, and the display follows as at the start.
    if (!m_blankReady && m_webPage->url() == m_webPage->blankPageUrl() && m_webPage->isLoading())
        return;
    m_blankReady = false;
    m_printer->abandon();
    m_webPage->loadBlankPage();
}

void COrdoHtmlView::ShowBookPage(bool reload)
{
    if (m_blankReady)
        triggerPageAction(QWebEnginePage::Unselect);

    // A new selection starts at its first slice; Refresh, a style or a
    // template change keep what the page shows.
    const QVector<BookId> books = m_doc ? m_doc->selectedBooks() : QVector<BookId>();
    // std::equal rather than QVector's ==, which hands memcmp the null data
    // of an empty vector.
    const bool same = books.size() == m_pageBooks.size() &&
                      std::equal(books.cbegin(), books.cend(), m_pageBooks.cbegin());
    if (!same || m_slice.total() != books.size()) {
        m_pageBooks = books;
        m_slice.reset(int(books.size()));
    }
    startBuild(reload, false);
}

void COrdoHtmlView::startBuild(bool reload, bool keepPosition)
{
    // A reload asked for must survive a newer build that replaces its own.
    m_pendingReload = m_pendingReload || reload;
    m_pendingKeepPosition = keepPosition;
    if (m_pageBooks.isEmpty() || !m_doc || !m_doc->connection()) {
        m_builder.cancel();
        m_page.Clear();
        if (m_blankReady) {
            writePage(LoadStr(IDS_WELCOME_PAGE), m_pendingReload);
            m_pendingReload = false;
        }
        return;
    }
    m_builder.start(pageRequest(m_slice.shown()));
}

PageJobRequest COrdoHtmlView::pageRequest(int books) const
{
    PageJobRequest request;
    request.catalogPath = m_doc ? m_doc->path() : QString();
    request.bookIds = m_pageBooks.mid(0, books);
    request.imagesFolder = ImagesFolder();
    request.xslPath = currentTemplatePath();
    return request;
}

void COrdoHtmlView::showJobMessages(const PageJobResult &result)
{
    for (qsizetype i = 0; i < result.messages.size(); ++i)
        messenger().showMessage(result.messages[i], result.icons.value(i, IMessenger::Icon::Error));
}

void COrdoHtmlView::onBuildFinished(int, const PageJobResult &result)
{
    emit pageBuilt();
    showJobMessages(result);
    if (result.ok)
        m_page.SetPage(result.xml, result.html);
    else
        m_page.Clear();

    // Until the blank page has loaded there is nothing to write into; its
    // load shows the page.
    if (!m_blankReady)
        return;
    QString body = m_page.Html();
    if (body.isEmpty())
        body = LoadStr(IDS_WELCOME_PAGE);
    else if (m_slice.isSliced())
        body += CPageSlice::FooterHtml(tr("Show the next %n books", nullptr, m_slice.nextCount()),
                                       tr("Show all %n books", nullptr, m_slice.total()));
    writePage(body, m_pendingReload, m_pendingKeepPosition);
    m_pendingReload = false;
    m_pendingKeepPosition = false;
}

void COrdoHtmlView::showSliceLink(CPageSlice::Link link)
{
    if (!m_slice.isSliced())
        return;
    if (link == CPageSlice::Link::Next)
        m_slice.showNext();
    else
        m_slice.showAll();
    // More of the same page: the reader stays where the links were.
    startBuild(false, true);
}

void COrdoHtmlView::withFullPage(bool transform, std::function<void(const QString &, const QString &)> then,
                                 std::function<void()> failed)
{
    if (!m_slice.isSliced()) {
        then(m_page.Xml(), m_page.Html());
        emit fullPageFinished(true);
        return;
    }
    PageJobRequest request = pageRequest(m_slice.total());
    request.transform = transform;
    auto *progress = new QProgressDialog(tr("Preparing %n books...", nullptr, m_slice.total()), tr("Cancel"),
                                         0, m_slice.total(), this);
    progress->setObjectName(QStringLiteral("fullPageProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(300);
    progress->setValue(0);
    const int serial = m_fullBuilder.start(request);
    connect(&m_fullBuilder, &CPageBuilder::progress, progress, [progress, serial](int s, int done, int) {
        if (s == serial)
            progress->setValue(done);
    });
    connect(progress, &QProgressDialog::canceled, this, [this, progress, failed] {
        m_fullBuilder.cancel();
        progress->deleteLater();
        if (failed)
            failed();
        emit fullPageFinished(false);
    });
    connect(&m_fullBuilder, &CPageBuilder::finished, progress,
            [this, progress, serial, then = std::move(then), failed](int s, const PageJobResult &result) {
                if (s != serial)
                    return;
                progress->disconnect(this);
                progress->deleteLater();
                showJobMessages(result);
                if (result.ok)
                    then(result.xml, result.html);
                else if (failed)
                    failed();
                emit fullPageFinished(result.ok);
            });
}

void COrdoHtmlView::writePage(const QString &bodyHtml, bool reload, bool keepPosition,
                              std::function<void()> after)
{
    QUrl styleSheet = QUrl::fromLocalFile(currentStyleSheetPath());
    if (reload)
        styleSheet.setQuery(QStringLiteral("v=%1").arg(++m_styleSerial));

    // One script for the whole display: the page HTML of a thousand books
    // runs to megabytes and crosses to the renderer once.
    // The flag, not a QPointer: the callback also runs while the page is
    // deleted by the base destructor, when even looking at a QPointer to
    // this class is a cast to something the object no longer is.
    m_webPage->runJavaScript(
        PageDisplayScript(LoadStr(IDS_PAGE_TITLE), bodyHtml, styleSheet, reload, keepPosition),
        QWebEngineScript::ApplicationWorld,
        [view = this, alive = m_alive, after = std::move(after)](const QVariant &) {
            if (!*alive)
                return;
            emit view->pageDisplayed();
            if (after)
                after();
        });
}

QString COrdoHtmlView::currentStyleSheetPath() const
{
    return CBookPage::StyleSheetPath(m_styles.value(m_nStyle));
}

QString COrdoHtmlView::currentTemplatePath() const
{
    return CBookPage::TemplatePath(m_templates.value(m_nTemplate));
}

void COrdoHtmlView::SelectStyle(int index)
{
    if (index < 0 || index >= m_styles.size())
        return;
    m_nStyle = index;
    writeIndex(kStyleValue, index);
    ShowBookPage(true);
}

void COrdoHtmlView::SelectTemplate(int index)
{
    if (index < 0 || index >= m_templates.size())
        return;
    m_nTemplate = index;
    writeIndex(kTemplateValue, index);
    ShowBookPage(false);
}

void COrdoHtmlView::setOpener(Opener opener)
{
    m_opener = opener ? std::move(opener) : Opener(OpenPageTarget);
}

void COrdoHtmlView::setSaveDialog(SaveDialog dialog)
{
    m_saveDialog = dialog ? std::move(dialog) : SaveDialog(defaultSaveDialog);
}

void COrdoHtmlView::setPrintDialog(PrintDialog dialog)
{
    m_printer->setPrintDialog(std::move(dialog));
}

bool COrdoHtmlView::isPrinting() const
{
    return m_printer->isPrinting();
}

void COrdoHtmlView::OpenPageAddress(const QString &address)
{
    if (const CPageSlice::Link link = CPageSlice::LinkOf(address); link != CPageSlice::Link::None) {
        showSliceLink(link);
        return;
    }
    const QString target = ResolvePageLink(address, ImagesFolder(), m_doc ? m_doc->connection() : nullptr);
    if (!m_opener(target))
        messenger().showMessage(LoadStr(IDS_OPERATION_FAILED_PATH, target), IMessenger::Icon::Warning);
}

void COrdoHtmlView::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(kPopupTitle, event->globalPos());
    event->accept();
}

// ---- Commands -------------------------------------------------------------

bool COrdoHtmlView::servesCommand(int id) const
{
    switch (id) {
    case Cmd::SaveAsHtml:
    case Cmd::SaveAsXml:
    case Cmd::Refresh:
    case Cmd::PrintPreview:
    case Cmd::PageSetup:
    case Cmd::Print:
    case Cmd::SelectAll:
    case Cmd::Copy:
    case Cmd::Cut:
    case Cmd::Paste:
        return true;
    default:
        return (id >= Cmd::StyleFirst && id <= Cmd::StyleLast) ||
               (id >= Cmd::TemplateFirst && id <= Cmd::TemplateLast);
    }
}

bool COrdoHtmlView::isCommandEnabled(int id) const
{
    const bool hasPage = !m_page.Html().isEmpty();
    switch (id) {
    case Cmd::SaveAsHtml:
        return hasPage && !m_fullBuilder.isBusy();
    case Cmd::Refresh:
        return hasPage;
    case Cmd::SaveAsXml:
        return !m_page.Xml().isEmpty() && !m_fullBuilder.isBusy();
    case Cmd::Print:
    case Cmd::PrintPreview:
        // One print or preview at a time: the engine refuses a second one.
        return hasPage && m_blankReady && !m_printer->isBusy() && !m_fullBuilder.isBusy();
    case Cmd::SelectAll:
        return hasPage && m_blankReady;
    case Cmd::PageSetup:
        return !m_printer->isBusy();
    case Cmd::Copy:
        return m_webPage->action(QWebEnginePage::Copy)->isEnabled();
    case Cmd::Cut:
        return m_webPage->action(QWebEnginePage::Cut)->isEnabled();
    case Cmd::Paste:
        return m_webPage->action(QWebEnginePage::Paste)->isEnabled();
    default:
        return servesCommand(id);
    }
}

bool COrdoHtmlView::isCommandChecked(int id) const
{
    if (id >= Cmd::StyleFirst && id <= Cmd::StyleLast)
        return id - Cmd::StyleFirst == m_nStyle;
    if (id >= Cmd::TemplateFirst && id <= Cmd::TemplateLast)
        return id - Cmd::TemplateFirst == m_nTemplate;
    return false;
}

void COrdoHtmlView::runCommand(int id)
{
    if (!isCommandEnabled(id))
        return;
    switch (id) {
    case Cmd::SaveAsHtml:
        saveAsHtml();
        break;
    case Cmd::SaveAsXml:
        saveAsXml();
        break;
    case Cmd::Refresh:
        ShowBookPage(true);
        break;
    case Cmd::PrintPreview:
        m_printer->startPreview();
        break;
    case Cmd::PageSetup:
        m_printer->pageSetup();
        break;
    case Cmd::Print:
        m_printer->startPrint();
        break;
    case Cmd::SelectAll:
        triggerPageAction(QWebEnginePage::SelectAll);
        break;
    case Cmd::Copy:
        triggerPageAction(QWebEnginePage::Copy);
        break;
    case Cmd::Cut:
        triggerPageAction(QWebEnginePage::Cut);
        break;
    case Cmd::Paste:
        triggerPageAction(QWebEnginePage::Paste);
        break;
    default:
        if (id >= Cmd::StyleFirst && id <= Cmd::StyleLast)
            SelectStyle(id - Cmd::StyleFirst);
        else if (id >= Cmd::TemplateFirst && id <= Cmd::TemplateLast)
            SelectTemplate(id - Cmd::TemplateFirst);
        break;
    }
}

// ---- Exports --------------------------------------------------------------

void COrdoHtmlView::saveAsXml()
{
    if (m_page.Xml().isEmpty())
        return;
    const QString path =
        m_saveDialog(this, tr("Save As XML"), DialogFilter(LoadStr(IDS_FILTER_XML)), QStringLiteral("xml"));
    if (path.isEmpty())
        return;
    // A sliced page exports every selected book.
    withFullPage(false,
                 [path](const QString &xml, const QString &) { (void)CBookPage::WriteXmlFile(path, xml); });
}

void COrdoHtmlView::saveAsHtml()
{
    if (m_page.Html().isEmpty())
        return;
    const QString path =
        m_saveDialog(this, tr("Save As HTML"), DialogFilter(LoadStr(IDS_FILTER_HTML)), QStringLiteral("htm"));
    if (path.isEmpty())
        return;
    const QString css = currentStyleSheetPath();
    QPointer<COrdoDoc> doc(m_doc);
    withFullPage(true, [path, css, doc](const QString &, const QString &html) {
        (void)CBookPage::WriteHtmlFile(path, html, css, doc ? doc->connection() : nullptr);
    });
}

void COrdoHtmlView::showFullPageThen(std::function<void(bool ok)> then)
{
    if (!m_slice.isSliced()) {
        then(true);
        return;
    }
    // Printing goes through the pane: it shows every selected book first.
    withFullPage(
        true,
        [this, then](const QString &xml, const QString &html) {
            m_builder.cancel();
            m_slice.showAll();
            m_page.SetPage(xml, html);
            writePage(html, false, true, [then] { then(true); });
        },
        [then] { then(false); });
}

