#pragma once

#include "app/commandtarget.h"
#include "transfer/bookimporter.h"
#include "transfer/catalogexporter.h"

#include <QObject>
#include <QVector>
#include <functional>

class CBatchQueryDlg;
class CExportCatalogDlg;
class CImportWizard;
class COrdoDoc;
class QWidget;

// File > Import... and File > Export Catalogue...: the wizard or the export
// dialog, then the work with a progress window that can cancel it, and the
// result for the user.
class CTransferCommands : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    // Tests replace the modal runs; the defaults are exec().
    using WizardRunner = std::function<int(CImportWizard &)>;
    using ExportDialogRunner = std::function<int(CExportCatalogDlg &)>;
    using BatchRunner = std::function<int(CBatchQueryDlg &)>;
    // The save dialog; tests return a path.
    using PathChooser = std::function<QString(CCatalogExporter::Format)>;

    CTransferCommands(COrdoDoc *doc, QWidget *dialogParent);

    void setWizardRunner(WizardRunner runner) { m_wizardRunner = std::move(runner); }
    void setExportDialogRunner(ExportDialogRunner runner) { m_exportRunner = std::move(runner); }
    void setBatchRunner(BatchRunner runner) { m_batchRunner = std::move(runner); }
    void setPathChooser(PathChooser chooser) { m_pathChooser = std::move(chooser); }
    // Where the whole import report goes when its summary was shortened.
    void setReportPathChooser(std::function<QString()> chooser) { m_reportPathChooser = std::move(chooser); }

    // True when books were imported (the tree and list have been reloaded).
    bool RunImport();
    // True when a file was written.
    bool RunExport();
    bool Export(const CExportScope &scope, CCatalogExporter::Format format, const QString &path);

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

signals:
    void booksImported();

private:
    void fillUpOnline(const QVector<BookId> &bookIds, const QStringList &isbns);
    void offerWholeReport(const CImportSummary &summary);

    COrdoDoc *m_doc = nullptr;
    QWidget *m_parent = nullptr;
    WizardRunner m_wizardRunner;
    ExportDialogRunner m_exportRunner;
    BatchRunner m_batchRunner;
    PathChooser m_pathChooser;
    std::function<QString()> m_reportPathChooser;
};
