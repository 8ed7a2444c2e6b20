#pragma once

#include "bookid.h"

#include "connection.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <memory>

// The one open catalogue: its connection, the current category, the selected
// books and the new-catalogue flag. Views borrow all of it; they hear about
// changes through the signals.
class COrdoDoc : public QObject
{
    Q_OBJECT

public:
    explicit COrdoDoc(QObject *parent = nullptr);
    ~COrdoDoc() override;

    // Opens the catalogue at path (the only route: File > Open, the recent
    // list, the command line and File > New Database). Failures are shown
    // through the messenger; false leaves no catalogue or the old one.
    bool OnOpenDocument(const QString &path);
    // The empty document of start-up: no connection.
    void OnNewDocument();
    // Copies the template ordo.dbt to path and opens the copy as a new
    // catalogue (its fixed rows named in the interface language).
    bool NewDatabase(const QString &path);

    // Why the last OnOpenDocument failed. A server's request for a password
    // (DbErrorCode::PasswordNeeded, PasswordWrong) and a database without a
    // catalogue (NoCatalogue) are not shown: the caller asks the user.
    const DbError &openError() const { return m_openError; }

    bool hasConnection() const { return bool(m_connection); }
    Connection *connection() const { return m_connection.get(); }
    std::shared_ptr<Connection> sharedConnection() const { return m_connection; }
    QString path() const { return m_path; }
    // The connection the book list reads through: its own read-only one,
    // opened on first use, or the main connection while that one has a
    // transaction open (its changes are not committed yet) or when no second
    // connection could be opened. Null without a catalogue.
    Connection *listReader();
    // The catalogue file or its folder cannot be written: it was opened for
    // reading only and every command that writes is greyed.
    bool isReadOnly() const { return m_readOnly; }

    // -1 until the tree selects something; 5 = All Books, 6 = Recycle Bin.
    CategoryId currentCategory() const { return m_currentCategory; }
    void setCurrentCategory(CategoryId category);

    // BookIDs of the selected list rows, in row order.
    const QVector<BookId> &selectedBooks() const { return m_selectedBooks; }
    void setSelectedBooks(const QVector<BookId> &books) { m_selectedBooks = books; }
    void clearSelectedBooks() { m_selectedBooks.clear(); }

    bool newCatalogueFlag() const { return m_newCatalogue; }
    void setNewCatalogueFlag(bool set) { m_newCatalogue = set; }

    // Rows left behind by deletions made outside the program (links and
    // memberships of missing books), removed by the last open.
    int lastOrphanRowCount() const { return m_orphanRowsRemoved; }
    // The status-bar note for count removed rows.
    static QString OrphanRowsRemovedText(int count);

    // Asks the tree to reload when a catalogue is open.
    void RefreshTree();

signals:
    void documentOpened(const QString &path);
    void treeRefillRequested();
    // After documentOpened, when the open removed left-behind rows.
    void orphanRowsRemoved(int count);

private:
    std::shared_ptr<Connection> m_connection;
    std::shared_ptr<Connection> m_listReader;
    QString m_path;
    CategoryId m_currentCategory = -1;
    QVector<BookId> m_selectedBooks;
    bool m_newCatalogue = false;
    int m_orphanRowsRemoved = 0;
    bool m_readOnly = false;
    DbError m_openError;
};
