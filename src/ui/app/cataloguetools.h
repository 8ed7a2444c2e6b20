#pragma once

#include "commandtarget.h"

#include <QObject>
#include <functional>

class CAutoBackup;
class COrdoDoc;
class QStatusBar;
class QWidget;

// Tools > Check Catalogue..., File > Restore Backup... and the automatic
// backup made in the background when a catalogue opens.
class CCatalogueTools : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    CCatalogueTools(COrdoDoc *doc, QWidget *window, QStatusBar *statusBar);
    ~CCatalogueTools() override;

    // Picks one of the backups (full paths, newest first); "" for Cancel.
    // Tests replace the list box.
    using BackupChooser = std::function<QString(QWidget *, const QStringList &)>;
    void setBackupChooser(BackupChooser chooser) { m_chooser = std::move(chooser); }

    CAutoBackup *autoBackup() const { return m_autoBackup; }

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

    void CheckCatalogue();
    void RestoreBackup();

private:
    void onDocumentOpened(const QString &path);

    COrdoDoc *m_doc;
    QWidget *m_window;
    QStatusBar *m_statusBar;
    CAutoBackup *m_autoBackup;
    BackupChooser m_chooser;
};
