#pragma once

#include "app/commandtarget.h"
#include "page/bookpage.h"
#include "page/pagebuilder.h"
#include "page/pageslice.h"

#include <QPointer>
#include <QStringList>
#include <QWebEngineView>
#include <functional>
#include <memory>

class COrdoDoc;
class COrdoWebPage;
class CPagePrinter;
class QPrinter;

// The book page pane: the selected books transformed with the chosen XSL
// template and shown with the chosen CSS style sheet, or the welcome page
// when no book is selected. One blank page is loaded once; every display
// only rewrites its title, body and style-sheet link. Clicked links never
// navigate the pane: they are opened outside (web addresses in the browser,
// files with their programs, ordocover:// and ordolink:// as the cover
// picture or related link they name). Serves print, print preview, page
// setup, select all, copy, cut, paste, refresh, the two exports and the
// Display Style and Content Template menus, remembered in the settings.
class COrdoHtmlView : public QWebEngineView, public ICommandTarget
{
    Q_OBJECT

public:
    // Opens what a click resolved to; returns success.
    using Opener = std::function<bool(const QString &target)>;
    // Asks for the file to save to; empty when the user cancels.
    using SaveDialog = std::function<QString(QWidget *parent, const QString &caption, const QString &filter,
                                             const QString &defaultSuffix)>;
    // Lets the user choose and set up the printer; false when cancelled.
    using PrintDialog = std::function<bool(QPrinter *printer, QWidget *parent)>;

    // styles and templates are the file titles of Styles/CSS/*.css and
    // Styles/*.xsl, in menu order. The settings "CSS" and "XSL" choose the
    // current entries. A missing or out-of-range style is the first one; a
    // missing or out-of-range template is the details template of the
    // interface language.
    COrdoHtmlView(COrdoDoc *doc, const QStringList &styles, const QStringList &templates,
                  QWidget *parent = nullptr);
    ~COrdoHtmlView() override;

    // Rebuilds and shows the page for the document's selected books. With
    // reload the style sheet is read again (Refresh, style change). The page
    // is built on a worker: the pane keeps showing the last finished page
    // until the new one is written (pageDisplayed), and a newer call cancels
    // an older build. A large selection shows its first slice of books with
    // links at the end for the next slice and for every book.
    void ShowBookPage(bool reload);

    // The slice of the selection the page shows (or is building).
    const CPageSlice &slice() const { return m_slice; }
    // True while a page build runs.
    bool isBuilding() const { return m_builder.isBusy(); }

    int currentStyle() const { return m_nStyle; }
    int currentTemplate() const { return m_nTemplate; }
    // Command 30000 + index / 30100 + index; remembered in the settings.
    void SelectStyle(int index);
    void SelectTemplate(int index);

    const CBookPage &bookPage() const { return m_page; }
    // Full path of the current display style's CSS file.
    QString currentStyleSheetPath() const;

    // The default opener uses QDesktopServices::openUrl (see pagetarget.h).
    void setOpener(Opener opener);
    void setSaveDialog(SaveDialog dialog);
    void setPrintDialog(PrintDialog dialog);

    bool isBlankPageReady() const { return m_blankReady; }
    // True while a print job started by Print runs.
    bool isPrinting() const;
    // Print, Print Preview and Page Setup.
    CPagePrinter *pagePrinter() const { return m_printer; }

    // What happens after the pane cancelled a click on address: the resolved
    // target is opened, or message 139 names it.
    void OpenPageAddress(const QString &address);

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void runCommand(int id) override;

signals:
    // The frame shows its context popup (title "Html") instead of the
    // browser's own menu.
    void contextMenuRequested(const QString &popupTitle, const QPoint &globalPos);
    // A build of the page finished on its worker and is about to be shown.
    void pageBuilt();
    // A display was written into the page.
    void pageDisplayed();
    // A build of every selected book for print or export finished (ok) or
    // was cancelled or failed.
    void fullPageFinished(bool ok);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onLoadFinished(bool ok);
    void reloadBlankPage();
    void startBuild(bool reload, bool keepPosition);
    void onBuildFinished(int serial, const PageJobResult &result);
    void showJobMessages(const PageJobResult &result);
    PageJobRequest pageRequest(int books) const;
    void showSliceLink(CPageSlice::Link link);
    // Runs then once the texts of every selected book are at hand: at once
    // when the page is not sliced, else after a build on a worker shown with
    // a progress bar and Cancel. transform false builds the XML alone.
    // failed runs instead when the build was cancelled or failed.
    void withFullPage(bool transform, std::function<void(const QString &xml, const QString &html)> then,
                      std::function<void()> failed = {});
    // Runs then(true) once the pane shows every selected book (print,
    // preview), then(false) when that was cancelled or failed.
    void showFullPageThen(std::function<void(bool ok)> then);
    // after runs once the page holds the body.
    void writePage(const QString &bodyHtml, bool reload, bool keepPosition = false,
                   std::function<void()> after = {});
    QString currentTemplatePath() const;
    void saveAsXml();
    void saveAsHtml();

    QPointer<COrdoDoc> m_doc;
    QStringList m_styles;
    QStringList m_templates;
    COrdoWebPage *m_webPage = nullptr;
    // False from the destructor on: script callbacks may outlive the view.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    CBookPage m_page;
    CPageBuilder m_builder;
    CPageBuilder m_fullBuilder;
    CPageSlice m_slice;
    QVector<BookId> m_pageBooks; // the selection of the page shown or building
    bool m_pendingReload = false;
    bool m_pendingKeepPosition = false;
    int m_nStyle = 0;
    int m_nTemplate = 0;
    int m_styleSerial = 0; // makes each re-pointed style-sheet address new
    bool m_blankReady = false;
    CPagePrinter *m_printer = nullptr; // a child
    Opener m_opener;
    SaveDialog m_saveDialog;
};
