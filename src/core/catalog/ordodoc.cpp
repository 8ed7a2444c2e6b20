#include "ordodoc.h"

#include "app/apppaths.h"
#include "app/messenger.h"
#include "app/strings.h"
#include "cataloguebackup.h"
#include "cataloguecopy.h"
#include "cataloguetemplate.h"
#include "catalogueupgrade.h"
#include "coverfiles.h"
#include "imagesfolder.h"
#include "orphanrows.h"
#include "recordset.h"
#include "serveraddress.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct LocalisedRow
{
    const char *sql;
    int stringId;
};

// Fixed rows of a new catalogue, renamed into the interface language.
const LocalisedRow kLocalisedRows[] = {
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=1", IDS_HARDCOVER},
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=2", IDS_PAPERBACK},
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=3", IDS_UNKNOWN_BINDING},
    {"UPDATE bookextras SET Name=%1 WHERE ExtrasID=3", IDS_FLOPPY_DISK},
    {"UPDATE booklanguage SET Name=%1 WHERE LanguageID=1", IDS_LANG_ENGLISH},
    {"UPDATE booklanguage SET Name=%1 WHERE LanguageID=2", IDS_LANG_CHINESE},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=1", IDS_IN_COLLECTION},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=2", IDS_WISH_LIST},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=3", IDS_REFERENCE_ONLY},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=4", IDS_FOR_SALE},
    {"UPDATE category SET Name=%1 WHERE CatID=1", IDS_BOOK_COLLECTION},
    {"UPDATE category SET Name=%1 WHERE CatID=2", IDS_FAVORITES},
    {"UPDATE category SET Name=%1 WHERE CatID=3", IDS_SEARCH_RESULTS},
    {"UPDATE category SET Name=%1 WHERE CatID=4", IDS_READING_LIST},
};

// The file must exist and be readable before the engine sees it.
bool precheckFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        messenger().showMessage(QCoreApplication::translate("COrdoDoc", "%1 was not found.").arg(shown),
                                IMessenger::Icon::Error);
        return false;
    }
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly)) {
        messenger().showMessage(QCoreApplication::translate("COrdoDoc", "Access to %1 was denied.").arg(shown),
                                IMessenger::Icon::Error);
        return false;
    }
    return true;
}

QString displayName(const QString &address)
{
    const std::optional<ServerAddress> parsed = ServerAddress::parse(address);
    return parsed ? parsed->displayName() : address;
}

bool isCatalogue(Connection &connection)
{
    for (const char *table : {"book", "category", "book_category", "link"}) {
        if (!connection.hasTable(QLatin1String(table)))
            return false;
    }
    return true;
}

} // namespace

COrdoDoc::COrdoDoc(QObject *parent) : QObject(parent) {}

COrdoDoc::~COrdoDoc() = default;

void COrdoDoc::OnNewDocument()
{
    m_currentCategory = -1;
    m_selectedBooks.clear();
}

void COrdoDoc::setCurrentCategory(CategoryId category)
{
    m_currentCategory = category;
}

bool COrdoDoc::OnOpenDocument(const QString &path)
{
    m_openError = {};
    const bool server = ServerAddress::isServerAddress(path);
    if (!server && !precheckFile(path)) {
        // Left set, the flag would rename the fixed rows of whatever catalogue
        // is opened next.
        m_newCatalogue = false;
        return false;
    }

    // The new catalogue is prepared on a connection of its own; the open one is
    // replaced only once everything has worked, so a failed open never leaves
    // the program half in one catalogue and half in another.
    DbError error;
    std::shared_ptr<Connection> connection = Connection::open(path, &error);
    if (connection && !isCatalogue(*connection)) {
        connection.reset();
        error.message = tr("%1 is not an Ordoteca catalogue.")
                            .arg(server ? displayName(path) : QDir::toNativeSeparators(path));
    }
    if (!connection) {
        m_newCatalogue = false;
        m_openError = error;
        // The caller asks for a password or offers to create the catalogue.
        if (error.code != DbErrorCode::PasswordNeeded && error.code != DbErrorCode::PasswordWrong &&
            error.code != DbErrorCode::NoCatalogue)
            messenger().showMessage(error.message, IMessenger::Icon::Error);
        return false;
    }

    const bool readOnly = connection->isReadOnly();
    if (m_newCatalogue && !readOnly && !UILanguageCode().isEmpty()) {
        Transaction transaction(*connection);
        for (const LocalisedRow &row : kLocalisedRows) {
            const QString sql =
                QString::fromLatin1(row.sql).arg(FormatSqlValue(LoadStr(row.stringId), SqlText));
            if (!connection->execute(sql, nullptr, &error)) {
                m_newCatalogue = false;
                messenger().showMessage(error.message, IMessenger::Icon::Error);
                return false;
            }
        }
        if (!transaction.commit(&error)) {
            m_newCatalogue = false;
            messenger().showMessage(error.message, IMessenger::Icon::Error);
            return false;
        }
        m_newCatalogue = false;
    }

    const QString where = server ? connection->path() : QFileInfo(path).absoluteFilePath();
    const QString images = ImagesFolderForCatalogue(where);
    int orphans = 0;
    if (!readOnly && !server) {
        // The special categories must exist; an existing row keeps its name.
        ExecuteSql(QStringLiteral("INSERT INTO category(CatID, Name) VALUES(2, 'Favorites')"), false,
                   *connection);
        ExecuteSql(QStringLiteral("INSERT INTO category(CatID, Name) VALUES(3, 'Search Results')"), false,
                   *connection);
        ExecuteSql(QStringLiteral("INSERT INTO category(CatID, Name) VALUES(4, 'Reading List')"), false,
                   *connection);

        // Links and memberships of books deleted outside the program go now,
        // before a new book can take a freed number and inherit them.
        orphans = qMax(0, RemoveOrphanRows(*connection));

        // Catalogues made by earlier versions get the date column and the
        // list's covering index now (once; a read-only file lists without
        // them, more slowly).
        UpgradeCatalogue(*connection);

        const QFileInfo imagesInfo(images);
        if (!imagesInfo.isDir() && !QDir().mkdir(images)) {
            messenger().showMessage(LoadStr(IDS_CANNOT_CREATE_DIRECTORY, QDir::toNativeSeparators(images)),
                                    IMessenger::Icon::Error);
            return false;
        }
        // A save or a backup cut short (a crash, a kill) may have left
        // pictures or half-made files behind.
        CCoverFiles::CleanUp(images, *connection);
        CCatalogueBackup::CleanUp(path);
    }
    if (server) {
        // The pictures of a shared catalogue are copied into the local
        // folder the page and the sheet read them from.
        QDir().mkpath(images);
        DbError pictures;
        if (FetchServerPictures(*connection, images, &pictures) < 0)
            messenger().showMessage(pictures.message, IMessenger::Icon::Warning);
    }

    m_connection = std::move(connection);
    m_listReader.reset();
    m_path = where;
    m_currentCategory = -1;
    m_selectedBooks.clear();
    SetImagesFolder(images);
    m_orphanRowsRemoved = orphans;
    m_readOnly = readOnly;
    emit documentOpened(m_path);
    if (m_orphanRowsRemoved > 0)
        emit orphanRowsRemoved(m_orphanRowsRemoved);
    RefreshTree();
    return true;
}

bool COrdoDoc::NewDatabase(const QString &path)
{
    if (!CopyCatalogueTemplate(path)) {
        messenger().showMessage(LoadStr(IDS_CANNOT_CREATE_FILE, QDir::toNativeSeparators(path)),
                                IMessenger::Icon::Error);
        return false;
    }
    m_newCatalogue = true;
    return OnOpenDocument(path);
}

QString COrdoDoc::OrphanRowsRemovedText(int count)
{
    return QCoreApplication::translate(
        "COrdoDoc", "Removed %n row(s) left behind by books or categories deleted outside Ordoteca.", nullptr,
        count);
}

Connection *COrdoDoc::listReader()
{
    if (!m_connection)
        return nullptr;
    if (m_connection->inTransaction())
        return m_connection.get();
    if (!m_listReader)
        m_listReader = Connection::openReader(m_connection->path());
    return m_listReader ? m_listReader.get() : m_connection.get();
}

void COrdoDoc::RefreshTree()
{
    if (m_connection)
        emit treeRefillRequested();
}
