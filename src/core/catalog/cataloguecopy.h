#pragma once

#include "dberror.h"

#include <QString>
#include <QStringList>
#include <functional>

class Connection;

// Copies a whole catalogue from one connection to another: categories, books,
// memberships, links, lookup tables, series, readings, borrowers, loans and
// the cover pictures. The target must be a new catalogue (only its fixed
// rows, which are replaced). Used both ways between a file and a server:
// a file's pictures come from its images folder, a server's from its table
// of pictures.
struct CatalogueCopy
{
    Connection *from = nullptr;
    QString fromImages; // the source's images folder (files only)
    Connection *to = nullptr;
    QString toImages; // the target's images folder (files only)
    // Called with rows copied so far and all rows; false cancels. The target
    // then keeps nothing of the copy.
    std::function<bool(qint64 done, qint64 total)> progress;

    // One transaction on the target; false with the error (or a cancel) and
    // the target unchanged.
    bool run(DbError *error = nullptr);

    // Values the target could not take as they were (a word in a number
    // column of a file, a picture that could not be read): each one named,
    // with what was kept instead.
    QStringList problems;
    bool cancelled = false;
};

// The images folder of a catalogue: beside a file; for a server catalogue a
// folder in the user's cache that holds copies of its pictures.
QString ImagesFolderForCatalogue(const QString &pathOrAddress);

// Brings the server catalogue's pictures into folder (the ones missing or of
// another size); on a file catalogue it does nothing. Returns how many were
// written; -1 after an error.
int FetchServerPictures(Connection &connection, const QString &folder, DbError *error = nullptr);
// Stores the picture files named (in folder) in the server catalogue's table
// of pictures, under storedNames when given (a picture still waiting under a
// temporary name), replacing any of the same name; nothing on a file.
bool StoreServerPictures(Connection &connection, const QString &folder, const QStringList &fileNames,
                         DbError *error = nullptr, const QStringList &storedNames = {});
