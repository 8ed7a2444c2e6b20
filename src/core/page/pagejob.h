#pragma once

#include "catalog/bookid.h"

#include "app/messenger.h"
#include "booktransform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>

// One build of the book page, self-contained so that it can run on a worker:
// it opens its own connection to the catalogue file and touches nothing of
// the user-interface thread.
struct PageJobRequest
{
    QString catalogPath;
    QVector<BookId> bookIds; // the books to build, in page order
    QString imagesFolder;
    QString xslPath;
    QString creationDate;  // null: now
    bool transform = true; // false: the book XML alone (Save As XML)
};

struct PageJobResult
{
    bool cancelled = false;
    // The XML was built and, when asked, transformed: xml and html hold the page.
    bool ok = false;
    TransformStatus status = TransformStatus::Ok;
    QString xml;
    QString html;
    QString errorText;
    // What the steps had to say (a database error, a failed step), for the
    // user-interface thread to show.
    QStringList messages;
    QList<IMessenger::Icon> icons;
};

// Builds (and transforms) the page. cancel, when set, is polled between
// batches of books; progress hears how many books are written.
PageJobResult RunPageJob(const PageJobRequest &request, const std::atomic_bool *cancel = nullptr,
                         const std::function<void(int done, int total)> &progress = {});
