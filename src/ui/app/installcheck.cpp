#include "installcheck.h"

#include "app/apppaths.h"
#include "catalog/ordodoc.h"
#include "mainframe.h"
#include "ordoapp.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

int RunInstallCheck(COrdoApp &app, const QString &catalogue, QTextStream &out)
{
    // Messages go to the quiet default messenger (standard error), and no
    // dialog may wait for an answer.
    app.setUseMessageBoxes(false);
    app.setOpenFileDialog([](QWidget *, const QString &) { return QString(); });
    app.setSaveFileDialog([](QWidget *, const QString &) { return QString(); });
    const bool started = app.InitInstance(catalogue);

    const QString folder = AppFolder();
    const bool haveTemplate = QFileInfo(folder + QStringLiteral("ordo.dbt")).isFile();
    const QStringList styles = filesIn(folder + QStringLiteral("Styles/CSS"), QStringLiteral("*.css"));
    const QStringList templates = filesIn(folder + QStringLiteral("Styles"), QStringLiteral("*.xsl"));
    const QStringList languages = filesIn(folder + QStringLiteral("Languages"), QStringLiteral("*.qm"));
    const bool haveGuide = QFileInfo(folder + QStringLiteral("docs/index.html")).isFile();
    const bool opened = started && app.document() && app.document()->hasConnection();

    out << "Application folder: " << folder << '\n'
        << "Catalogue template: " << (haveTemplate ? "found" : "missing") << '\n'
        << "Styles: " << styles.join(QStringLiteral(", ")) << '\n'
        << "Templates: " << templates.join(QStringLiteral(", ")) << '\n'
        << "Languages: " << languages.join(QStringLiteral(", ")) << '\n'
        << "User guide: " << (haveGuide ? "found" : "missing") << '\n'
        << "Main window: " << (started ? "created" : "not created") << '\n'
        << "Catalogue: " << (opened ? app.document()->path() : QStringLiteral("not opened")) << '\n';
    out.flush();
    if (app.mainFrame())
        app.mainFrame()->hide();
    const bool ok = haveTemplate && !styles.isEmpty() && !templates.isEmpty() && haveGuide && opened;
    return ok ? 0 : 1;
}
