#pragma once

#include "app/commandtarget.h"

#include <QObject>
#include <QString>
#include <functional>

class COrdoDoc;
class IPasswordPrompt;
class QWidget;

// File > Copy Catalogue to Server... and File > Save Local Copy...: the open
// catalogue copied whole into a new one on a server or in a file. The open
// catalogue stays as it is; the copy is offered to open (server) or named
// (file).
class CCatalogueMove : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    struct Questions
    {
        // The address of a catalogue to make; empty for Cancel.
        std::function<QString()> serverAddress;
        // The path of the file to write; empty for Cancel.
        std::function<QString()> localPath;
        // Asks for passwords; null: the password dialog.
        std::function<IPasswordPrompt *()> passwordPrompt;
    };

    CCatalogueMove(COrdoDoc *doc, QWidget *window, Questions questions);

    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

    void CopyToServer();
    void SaveLocalCopy();

private:
    COrdoDoc *m_doc;
    QWidget *m_window;
    Questions m_questions;
};
