#pragma once

#include "app/commandtarget.h"

#include <QObject>

class COrdoDoc;

// File > Reconnect: offered while the server of the open catalogue is gone;
// connects again and has the window shown afresh.
class CReconnectCommand : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    explicit CReconnectCommand(COrdoDoc *doc, QObject *parent = nullptr);

    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

signals:
    void reconnected();

private:
    COrdoDoc *m_doc;
};
