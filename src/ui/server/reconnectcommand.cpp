#include "reconnectcommand.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "catalog/ordodoc.h"

CReconnectCommand::CReconnectCommand(COrdoDoc *doc, QObject *parent) : QObject(parent), m_doc(doc) {}

bool CReconnectCommand::servesCommand(int id) const
{
    return id == Cmd::Reconnect;
}

bool CReconnectCommand::isCommandEnabled(int) const
{
    const Connection *connection = m_doc->connection();
    return connection && connection->isShared() && connection->isConnectionLost();
}

void CReconnectCommand::runCommand(int)
{
    if (!isCommandEnabled(Cmd::Reconnect))
        return;
    DbError error;
    if (!m_doc->connection()->reconnect(&error)) {
        messenger().showMessage(error.message, IMessenger::Icon::Error);
        return;
    }
    // The list reads through a second connection, gone with the first.
    Connection *reader = m_doc->listReader();
    if (reader && reader != m_doc->connection() && reader->isConnectionLost())
        reader->reconnect();
    emit reconnected();
}
