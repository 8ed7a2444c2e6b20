#include "transfercommands.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "exportcatalogdlg.h"
#include "importwizard.h"
#include "online/batchquerydlg.h"
#include "transfer/bookimporter.h"
#include "widgets/savefiledialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QSaveFile>

namespace {

// A modal progress window whose Cancel the work polls.
class Progress
{
public:
    Progress(const QString &label, QWidget *parent) : m_dialog(label, QObject::tr("Cancel"), 0, 100, parent)
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(300);
        m_dialog.setAutoReset(false);
        m_dialog.setAutoClose(false);
    }
    bool operator()(int done, int total)
    {
        m_dialog.setMaximum(qMax(total, 1));
        m_dialog.setValue(qMin(done, qMax(total, 1)));
        QCoreApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

CTransferCommands::CTransferCommands(COrdoDoc *doc, QWidget *dialogParent)
    : QObject(dialogParent), m_doc(doc), m_parent(dialogParent)
{
}

bool CTransferCommands::servesCommand(int id) const
{
    return id == Cmd::ImportBooks || id == Cmd::ExportCatalogue;
}

bool CTransferCommands::isCommandEnabled(int) const
{
    return m_doc && m_doc->hasConnection();
}

void CTransferCommands::runCommand(int id)
{
    if (id == Cmd::ImportBooks)
        RunImport();
    else if (id == Cmd::ExportCatalogue)
        RunExport();
}

bool CTransferCommands::RunImport()
{
    if (!m_doc || !m_doc->hasConnection())
        return false;
    CImportWizard wizard(m_doc, m_parent);
    const int result = m_wizardRunner ? m_wizardRunner(wizard) : wizard.exec();
    if (result != QDialog::Accepted || wizard.table().rows.isEmpty())
        return false;
    RememberImportMapping(wizard.table(), wizard.mapping());

    CBookImporter importer(*m_doc->connection(), wizard.table(), wizard.mapping(), wizard.options());
    CImportSummary summary;
    bool done = false;
    {
        Progress progress(tr("Importing books..."), m_parent);
        done = importer.Run(summary, std::ref(progress));
    }
    messenger().showMessage(summary.text(), done && summary.refused.isEmpty() && summary.warnings.isEmpty()
                                                ? IMessenger::Icon::Information
                                                : IMessenger::Icon::Warning);
    if (summary.longerThan())
        offerWholeReport(summary);
    if (!done)
        return false;
    m_doc->RefreshTree();
    emit booksImported();
    if (wizard.lookUpOnline())
        fillUpOnline(summary.bookIds, summary.isbns);
    return true;
}

// The message box lists the first lines of each kind; a file with many
// repairs gets its whole list on request, so that nothing goes unseen.
void CTransferCommands::offerWholeReport(const CImportSummary &summary)
{
    if (!messenger().askYesNo(tr("The report was shortened. Save the whole report to a text file?")))
        return;
    const QString path = m_reportPathChooser ? m_reportPathChooser()
                                             : AskTextFileToSave(m_parent, tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray text = summary.text(-1).toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        messenger().showMessage(tr("The report could not be saved to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()),
                                IMessenger::Icon::Error);
}

void CTransferCommands::fillUpOnline(const QVector<BookId> &bookIds, const QStringList &isbns)
{
    QVector<BookId> books;
    QStringList queue;
    for (int i = 0; i < bookIds.size() && i < isbns.size(); ++i) {
        if (isbns.at(i).trimmed().isEmpty())
            continue;
        books << bookIds.at(i);
        queue << isbns.at(i).trimmed();
    }
    if (queue.isEmpty())
        return;
    CBatchQueryDlg batch(m_parent);
    batch.setQueue(queue);
    batch.setFillBooks(books);
    batch.setTarget(m_doc->currentCategory(), m_doc->sharedConnection(), ImagesFolder());
    // The window stays open with its outcome; tree and list show the filled
    // books as soon as the batch ends.
    connect(&batch, &CBatchQueryDlg::workerFinished, m_doc, &COrdoDoc::RefreshTree);
    if (m_batchRunner)
        m_batchRunner(batch);
    else
        batch.exec();
}

bool CTransferCommands::RunExport()
{
    if (!m_doc || !m_doc->hasConnection())
        return false;
    CExportCatalogDlg dialog(m_doc, m_parent);
    const int result = m_exportRunner ? m_exportRunner(dialog) : dialog.exec();
    if (result != QDialog::Accepted)
        return false;
    const CCatalogExporter::Format format = dialog.format();
    QString path;
    if (m_pathChooser) {
        path = m_pathChooser(format);
    } else {
        QFileDialog save(m_parent, tr("Export Catalogue"));
        save.setAcceptMode(QFileDialog::AcceptSave);
        save.setNameFilter(CExportCatalogDlg::filterOf(format));
        save.setDefaultSuffix(CExportCatalogDlg::suffixOf(format));
        if (save.exec() == QDialog::Accepted)
            path = save.selectedFiles().value(0);
    }
    if (path.isEmpty())
        return false;
    return Export(dialog.scope(), format, path);
}

bool CTransferCommands::Export(const CExportScope &scope, CCatalogExporter::Format format,
                               const QString &path)
{
    CCatalogExporter exporter(*m_doc->connection(), ImagesFolder());
    QString error;
    bool written = false;
    {
        Progress progress(tr("Exporting books..."), m_parent);
        written = exporter.Collect(scope, error) && exporter.Write(format, path, error, std::ref(progress));
    }
    if (!written && !error.isEmpty())
        messenger().showMessage(error, IMessenger::Icon::Error);
    return written;
}
