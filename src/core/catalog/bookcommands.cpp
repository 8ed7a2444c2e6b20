#include "bookcommands.h"

#include "booklistquery.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace {

// Statements of one command in a single transaction. A failed statement only
// undoes itself, except after errors such as a full disk where the engine
// drops the whole transaction: then the statements that had worked are run
// again, so that still only the failed one is missing.
class StatementBatch
{
public:
    explicit StatementBatch(Connection &connection)
        : m_connection(connection), m_owner(!connection.inTransaction())
    {
        if (m_owner)
            m_open = m_connection.begin();
    }

    ~StatementBatch()
    {
        if (m_open && !m_finished)
            m_connection.rollback();
    }

    StatementBatch(const StatementBatch &) = delete;
    StatementBatch &operator=(const StatementBatch &) = delete;

    bool run(const QString &sql, bool showError)
    {
        DbError error;
        if (m_connection.execute(sql, nullptr, &error)) {
            if (m_open)
                m_done << sql;
            return true;
        }
        if (showError)
            ShowDbError(sql, error);
        if (m_open && !m_connection.inTransaction())
            replay(showError);
        return false;
    }

    // Commits; a failing commit is shown like a failing statement.
    bool finish()
    {
        m_finished = true;
        if (!m_open || !m_connection.inTransaction())
            return true;
        DbError error;
        if (m_connection.commit(&error))
            return true;
        ShowDbError(QStringLiteral("COMMIT"), error);
        m_connection.rollback();
        return false;
    }

private:
    void replay(bool showError)
    {
        const QStringList redo = std::exchange(m_done, {});
        m_open = m_connection.begin();
        for (const QString &sql : redo) {
            DbError error;
            if (m_connection.execute(sql, nullptr, &error)) {
                if (m_open)
                    m_done << sql;
            } else if (showError) {
                ShowDbError(sql, error);
            }
        }
    }

    Connection &m_connection;
    bool m_owner = false;
    bool m_open = false;
    bool m_finished = false;
    QStringList m_done;
};

// Only a plain file name inside the images folder is ever deleted: a stored
// name such as "../x" must not reach files elsewhere.
QString coverPath(const QString &imagesFolder, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return {};
    return imagesFolder + QLatin1Char('/') + name;
}

bool bookExists(Connection &connection, BookId bookId)
{
    Recordset rs;
    return !rs.open(connection, QStringLiteral("SELECT BookID FROM book WHERE BookID=%1").arg(bookId)) ||
           !rs.isEOF();
}

} // namespace

QString RemoveBooksQuestion(CategoryId category)
{
    if (category == RecycleBinCategory)
        return QCoreApplication::translate(
            "COrdoListView", "Are you sure you want to permanently delete the selected book(s)?");
    return QCoreApplication::translate(
        "COrdoListView", "Are you sure you want to remove the selected book(s) from this category?");
}

int DeleteSelectedBooks(Connection &connection, CategoryId category, const QVector<BookId> &bookIds,
                        const QString &imagesFolder)
{
    int failures = 0;
    // Cover files go only once their book is gone for good, after the commit.
    QVector<std::pair<BookId, QStringList>> covers;
    StatementBatch batch(connection);
    for (BookId bookId : bookIds) {
        QString sql;
        if (category == AllBooksCategory) {
            sql = QStringLiteral("DELETE FROM book_category WHERE BookID=%1").arg(bookId);
        } else if (category == RecycleBinCategory) {
            const QString select =
                QStringLiteral("SELECT FrontCover,BackCover FROM book WHERE BookID=%1").arg(bookId);
            Recordset rs;
            if (!OpenRecordset(rs, connection, select)) {
                ++failures;
                continue;
            }
            QStringList files;
            if (!rs.isEOF()) {
                for (int i = 0; i < 2; ++i) {
                    const QString path = coverPath(imagesFolder, FieldToText(rs.field(i)));
                    if (!path.isEmpty())
                        files << path;
                }
            }
            rs.close();
            if (!files.isEmpty())
                covers.append({bookId, files});
            sql = QStringLiteral("DELETE FROM book WHERE BookID=%1").arg(bookId);
        } else {
            sql = QStringLiteral("DELETE FROM book_category WHERE CatID=%1 AND BookID=%2")
                      .arg(category)
                      .arg(bookId);
        }
        if (!batch.run(sql, true))
            ++failures;
    }
    if (!batch.finish())
        ++failures;

    for (const auto &[bookId, files] : std::as_const(covers)) {
        if (bookExists(connection, bookId))
            continue;
        for (const QString &file : files) {
            if (QFileInfo(file).isFile())
                QFile::remove(file); // a file that cannot go is left behind silently
        }
    }
    return failures;
}

int SendBooksTo(Connection &connection, const QVector<BookId> &bookIds, CategoryId targetCategory)
{
    int added = 0;
    StatementBatch batch(connection);
    for (BookId bookId : bookIds) {
        if (batch.run(QStringLiteral("INSERT INTO book_category(BookID,CatID) VALUES(%1,%2)")
                          .arg(bookId)
                          .arg(targetCategory),
                      false))
            ++added;
    }
    if (!batch.finish())
        added = 0;
    return added;
}
