#include "cataloguetools.h"

#include "app/messenger.h"
#include "catalog/autobackup.h"
#include "catalog/cataloguebackup.h"
#include "catalog/cataloguecheck.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "commandids.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QStatusBar>

namespace {

QString chooseFromList(QWidget *parent, const QStringList &backups)
{
    QStringList names;
    for (const QString &path : backups)
        names << QFileInfo(path).fileName();
    bool ok = false;
    const QString name = QInputDialog::getItem(
        parent, QCoreApplication::translate("CCatalogueTools", "Restore Backup"), QCoreApplication::translate("CCatalogueTools", "Replace the catalogue by this backup:"), names, 0, false, &ok);
    const int index = int(names.indexOf(name));
    return ok && index >= 0 ? backups.at(index) : QString();
}

} // namespace

CCatalogueTools::CCatalogueTools(COrdoDoc *doc, QWidget *window, QStatusBar *statusBar)
    : QObject(window), m_doc(doc), m_window(window), m_statusBar(statusBar),
      m_autoBackup(new CAutoBackup(this)), m_chooser(chooseFromList)
{
    connect(m_doc, &COrdoDoc::documentOpened, this, &CCatalogueTools::onDocumentOpened);
    // Only a failure is worth a word, and it needs no answer.
    connect(m_autoBackup, &CAutoBackup::finished, this, [this](bool ok, const QString &message) {
        if (!ok && m_statusBar)
            m_statusBar->showMessage(QCoreApplication::translate("CCatalogueTools", "The automatic backup failed: %1").arg(message));
    });
}

CCatalogueTools::~CCatalogueTools() = default;

bool CCatalogueTools::servesCommand(int id) const
{
    return id == Cmd::CheckCatalogue || id == Cmd::RestoreBackup;
}

bool CCatalogueTools::isCommandEnabled(int id) const
{
    if (!m_doc->hasConnection())
        return false;
    // Backups are copies of a file; a server keeps its own.
    if (id == Cmd::RestoreBackup && m_doc->connection()->isShared())
        return false;
    // Both write to the catalogue.
    return !m_doc->isReadOnly() || id == Cmd::CheckCatalogue;
}

void CCatalogueTools::runCommand(int id)
{
    if (id == Cmd::CheckCatalogue)
        CheckCatalogue();
    else if (id == Cmd::RestoreBackup)
        RestoreBackup();
}

void CCatalogueTools::onDocumentOpened(const QString &path)
{
    if (!m_doc->isReadOnly() && !m_doc->connection()->isShared())
        m_autoBackup->startIfDue(path);
}

void CCatalogueTools::CheckCatalogue()
{
    if (!m_doc->hasConnection())
        return;
    const QString images = ImagesFolderForCatalog(m_doc->path());
    CCatalogueCheck check;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = check.Run(*m_doc->connection(), images);
    QApplication::restoreOverrideCursor();
    if (!ran)
        return;
    if (!check.canRepair() || m_doc->isReadOnly()) {
        messenger().showMessage(check.ReportText(),
                                check.isClean() ? IMessenger::Icon::Information : IMessenger::Icon::Warning);
        return;
    }
    if (!messenger().askYesNo(check.ReportText() + QStringLiteral("\n\n") +
                                  QCoreApplication::translate("CCatalogueTools", "Repair what can be repaired?"),
                              IMessenger::Icon::Question))
        return;
    const bool repaired = check.Repair(*m_doc->connection(), images);
    messenger().showMessage(check.ReportText(),
                            repaired ? IMessenger::Icon::Information : IMessenger::Icon::Warning);
    m_doc->RefreshTree();
}

void CCatalogueTools::RestoreBackup()
{
    if (!m_doc->hasConnection())
        return;
    const QStringList backups = CCatalogueBackup::List(m_doc->path());
    if (backups.isEmpty()) {
        messenger().showMessage(QCoreApplication::translate("CCatalogueTools", "There is no backup of this catalogue yet."),
                                IMessenger::Icon::Information);
        return;
    }
    const QString chosen = m_chooser(m_window, backups);
    if (chosen.isEmpty())
        return;
    if (!messenger().askYesNo(
            QCoreApplication::translate("CCatalogueTools", "Replace the whole catalogue by the backup %1?\nIts present contents are kept as "
               "a backup of their own.")
                .arg(QFileInfo(chosen).fileName())))
        return;
    m_autoBackup->waitForFinished();
    QString error;
    if (!CCatalogueBackup::Restore(*m_doc->connection(), chosen, &error)) {
        messenger().showMessage(error, IMessenger::Icon::Error);
        return;
    }
    m_doc->RefreshTree();
}
