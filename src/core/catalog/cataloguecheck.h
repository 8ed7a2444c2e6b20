#pragma once

#include "bookid.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class Connection;

// Tools > Check Catalogue: what is wrong with a catalogue and its images
// folder, and the repairs that are safe to make without asking the user
// anything more than "repair?".
class CCatalogueCheck
{
public:
    struct MissingCover
    {
        BookId bookId;
        QString name;
        bool back;
        QString title;
    };

    // Runs every check; false when the checks themselves could not run
    // (the error has been shown).
    bool Run(Connection &connection, const QString &imagesFolder);

    bool isClean() const;
    bool canRepair() const;
    // Removes orphan rows, clears the names of missing covers and moves
    // unreferenced pictures to the "Lost covers" folder. False when a repair
    // failed (shown); what was repaired before it stays repaired.
    bool Repair(Connection &connection, const QString &imagesFolder);

    // The findings (after Run) and what Repair did, one line each.
    QString ReportText() const;

    QStringList integrityProblems; // integrity_check lines other than "ok"
    int orphanRows = 0;            // foreign_key_check rows
    QVector<MissingCover> missingCovers;
    QStringList unreferencedPictures; // file names inside the images folder
    QStringList leftoverFiles;        // files of an interrupted save

    // Filled by Repair.
    int orphanRowsRemoved = 0;
    int coverNamesCleared = 0;
    int picturesMoved = 0;
    int leftoversRemoved = 0;
    bool repaired = false;

    static QString LostCoversFolderName();
};
