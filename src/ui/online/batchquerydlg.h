#pragma once

#include "catalog/bookrecord.h"
#include "online/batchitem.h"
#include "online/canceltoken.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <atomic>
#include <functional>
#include <memory>

namespace Ui {
class CBatchQueryDlg;
}
class Connection;
class QThread;

// Looks up a list of ISBNs one after another on a worker thread and saves
// every book found straight into a category, with a progress bar and a
// result per ISBN. The window never closes while the worker runs; when the
// worker has ended it stays open with a summary of the outcome, and the
// ISBNs to try again can be copied or saved, until the user closes it.
class CBatchQueryDlg : public QDialog
{
    Q_OBJECT

public:
    enum RunState { NotStarted = 0, Running = 1, Stopping = 4, Ended = 5 };

    // Asks for a file to write; empty when the user cancelled.
    using FileDialog = std::function<QString(QWidget *parent, const QString &filter)>;

    // After a Cancel, the ISBN under way may finish for this long; then its
    // transfer is aborted, so a hung server cannot hold the window open.
    static constexpr int kCancelGraceMs = 1500;

    explicit CBatchQueryDlg(QWidget *parent = nullptr);
    ~CBatchQueryDlg() override;

    // Appends the ISBNs to the queue, one row each.
    void setQueue(const QStringList &isbns);
    // Where found books are saved.
    void setTarget(CategoryId categoryId, std::shared_ptr<Connection> connection, const QString &imagesFolder);
    // Instead of adding books, fills what the given books lack (book i has
    // the i-th ISBN of the queue), as after an import.
    void setFillBooks(const QVector<BookId> &bookIds) { m_fillBookIds = bookIds; }
    // Tests replace the save dialog so that nothing blocks.
    void setSaveFileDialog(FileDialog dialog) { m_saveDialog = std::move(dialog); }

    int runState() const { return m_runState.load(); }
    int currentIndex() const { return m_currentIndex.load(); }
    int rowCount() const;
    QString rowIsbn(int row) const;
    QString rowTitle(int row) const;
    QString statusText() const;
    int progress() const;
    // After the end: the ISBNs worth another try, in queue order (not found,
    // failed, and after a stop those not looked up).
    QStringList failedIsbns() const;

public slots:
    void OnStart();
    // Cancel, Esc and the close box; Close once the batch has ended.
    void reject() override;
    // The ISBNs to try again, one per line, to the clipboard or a text file.
    void OnCopyFailedIsbns();
    void OnSaveFailedIsbns();

signals:
    // The worker has ended and the summary shows; the window stays open.
    // Whatever the batch saved is in the catalogue now.
    void workerFinished();

private:
    void onTimer();
    void runWorker();
    void setRowResult(int row, const QString &text, CBatchItemResult::Kind kind);
    void onWorkerEnded(bool stopped);
    QString summaryText() const;

    std::unique_ptr<Ui::CBatchQueryDlg> ui;
    QStringList m_queue;
    CategoryId m_categoryId = 1;
    std::shared_ptr<Connection> m_connection;
    QString m_imagesFolder;
    bool m_addDuplicates = false;
    QVector<BookId> m_fillBookIds;
    int m_total = 0;
    QVector<CBatchItemResult::Kind> m_rowKinds; // Cancelled until the row's ISBN is done
    bool m_stopped = false;
    FileDialog m_saveDialog;

    // Shared with the worker.
    std::atomic<int> m_runState{NotStarted};
    std::atomic<int> m_currentIndex{0};
    CCancelToken m_cancel;
    CBookRecord m_record; // the worker's record; only its status text is read here

    QTimer m_timer;
    QThread *m_worker = nullptr;
};
