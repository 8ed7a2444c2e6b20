#pragma once

#include "app/commandtarget.h"

#include <QObject>
#include <QPointer>

class COrdoDoc;
class CStatisticsWindow;
class QWidget;

// Tools > Statistics...: opens the statistics window for the catalogue, or
// brings the open one to the front and counts again for what is current now.
class CStatisticsCommand : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    CStatisticsCommand(COrdoDoc *doc, QWidget *window);

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

private:
    QString categoryName() const;

    COrdoDoc *m_doc;
    QWidget *m_window;
    QPointer<CStatisticsWindow> m_statsWindow;
};
