#include "reconnectcommand.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"

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
    // The list reads through a second connection, gone with the first; it
    // only finds out when it is next used, so it is asked now.
    Connection *reader = m_doc->listReader();
    DbError readerError;
    if (reader && reader != m_doc->connection() &&
        (reader->isConnectionLost() || !reader->execute(QStringLiteral("SELECT 1"), nullptr, &readerError)))
        reader->reconnect();
    emit reconnected();
}
