#include "accesskeysurvey.h"

#include "app/aboutdlg.h"
#include "app/apppaths.h"
#include "app/mainframe.h"
#include "app/options.h"
#include "app/strings.h"
#include "browse/basicsearchdlg.h"
#include "browse/inputsqldlg.h"
#include "catalog/ordodoc.h"
#include "edit/bookproperties.h"
#include "edit/categoryproperties.h"
#include "edit/linkproperties.h"
#include "loans/borrowersdlg.h"
#include "loans/lenddlg.h"
#include "loans/returndlg.h"
#include "online/addbookdlg.h"
#include "online/batchquerydlg.h"
#include "online/lookupprogressdlg.h"
#include "online/onlinequeryresultsdlg.h"
#include "page/printpreviewdlg.h"
#include "scan/barcodescandlg.h"
#include "stats/statisticswindow.h"
#include "transfer/exportcatalogdlg.h"
#include "transfer/importwizard.h"

#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <memory>

namespace {

// The name each form gives its top widget (setupUi makes it the object name).
QStringList formNames(const QString &sourceDir)
{
    QStringList names;
    static const QRegularExpression top(QStringLiteral(R"re(<widget class="[^"]+" name="([^"]+)")re"));
    QDirIterator it(sourceDir + QStringLiteral("/src"), {QStringLiteral("*.ui")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QRegularExpressionMatch match = top.match(QString::fromUtf8(file.readAll()));
        if (match.hasMatch())
            names << match.captured(1);
    }
    names.sort();
    return names;
}

// A form is found by its name, or by the class built on it where the code
// renamed the widget.
void noteNames(const QWidget *window, QSet<QString> *seen)
{
    QList<const QWidget *> widgets{window};
    for (const QWidget *w : window->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        seen->insert(w->objectName());
        seen->insert(QString::fromLatin1(w->metaObject()->className()));
    }
}

QString menuPlace(const QMenu *menu)
{
    QString title = menu->title();
    title.remove(QLatin1Char('&'));
    return QStringLiteral("menu ") + title;
}

} // namespace

AccessKeySurvey SurveyAccessKeys(const QString &sourceDir)
{
    AccessKeySurvey survey;
    QSet<QString> seen;

    COrdoDoc doc;
    {
        CMainFrame frame(&doc);
        if (frame.create()) {
            survey.clashes << WindowClashes(&frame, QStringLiteral("main window"));
            // The menu bar's menus, their submenus and the panes' context menus.
            for (const QMenu *menu : frame.findChildren<QMenu *>())
                survey.clashes << MenuClashes(menu, menuPlace(menu));
            noteNames(&frame, &seen);
        } else {
            survey.leftOut << QStringLiteral("the main window (no style sheets or templates in %1)").arg(AppFolder());
        }
    }

    const std::pair<const char *, std::function<QWidget *()>> dialogs[] = {
        {"About", [] { return new CAboutDlg; }},
        {"Options", [] { return new COptions(nullptr); }},
        {"Basic Search", [] { return new CBasicSearchDlg; }},
        {"Run SQL", [] { return new CInputSQLDlg; }},
        {"Add Book", [] { return new CAddBookDlg; }},
        {"Add Book progress", [] { return new CLookupProgressDlg; }},
        {"Batch Mode", [] { return new CBatchQueryDlg; }},
        {"online results", [] { return new COnlineQueryResultsDlg; }},
        {"Scan ISBN Barcodes", [] { return new CBarcodeScanDlg(CBarcodeScanDlg::Source::Pictures); }},
        {"Print Preview", [] { return new CPrintPreviewDlg; }},
        {"book sheet", [] { return new CBookProperties(IDS_EDIT_BOOK); }},
        {"category sheet", [] { return new CCategoryProperties(IDS_EDIT_CATEGORY); }},
        {"link sheet", [] { return new CLinkProperties(IDS_EDIT_LINK, false); }},
        {"Export Catalogue", [&doc] { return new CExportCatalogDlg(&doc); }},
        {"Import", [&doc] { return new CImportWizard(&doc); }},
        {"Lend", [] { return new CLendDlg(LoanDirection::LentTo, {}, 28); }},
        {"Borrowed Book", [] { return new CLendDlg(LoanDirection::BorrowedFrom, {}, 28); }},
        {"Return", [] { return new CReturnDlg(1); }},
        {"Borrowers", [&doc] { return new CBorrowersDlg(&doc); }},
        {"Statistics", [] { return new CStatisticsWindow(QString()); }},
    };
    for (const auto &[name, make] : dialogs) {
        std::unique_ptr<QWidget> window(make());
        survey.clashes << WindowClashes(window.get(), QString::fromLatin1(name));
        noteNames(window.get(), &seen);
    }

    for (const QString &form : formNames(sourceDir)) {
        if (!seen.contains(form))
            survey.leftOut << QStringLiteral("form %1, in no surveyed dialog").arg(form);
    }
    return survey;
}
