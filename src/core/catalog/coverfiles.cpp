#include "coverfiles.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "connection.h"
#include "crashpoint.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

const QLatin1String kLeftoverSuffix(".saving");
const QLatin1String kJournalPrefix(".journal-");

// Extension of a picture path: from the last "." of its file name on, or
// nothing when the file name has none (a dot in a folder name does not count).
QString extensionOf(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.mid(dot) : QString();
}

void reportCopyFailure(const QString &target)
{
    messenger().showMessage(LoadStr(IDS_CANNOT_COPY_COVER, target), IMessenger::Icon::Warning);
}

// rename(2) replaces an existing target in one step; QFile::rename refuses to.
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool isReferenced(Connection &connection, const QString &name)
{
    // Names are compared byte for byte: 12.JPG and 12.jpg are two files here.
    const QString literal = FormatSqlValue(name, SqlText);
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("SELECT COUNT(*) FROM book WHERE FrontCover=%1 COLLATE BINARY "
                                            "OR BackCover=%1 COLLATE BINARY")
                                 .arg(literal)))
        return true; // when in doubt, keep the file
    return rs.field(0).toInt() > 0;
}

} // namespace

CCoverFiles::CCoverFiles(const QString &imagesFolder, BookId bookId) : m_folder(imagesFolder), m_bookId(bookId)
{
}

CCoverFiles::~CCoverFiles()
{
    if (m_prepared && !m_done)
        rollback();
}

bool CCoverFiles::IsPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString CCoverFiles::StagedName(const QString &name)
{
    return QLatin1Char('.') + name + kLeftoverSuffix;
}

QString CCoverFiles::JournalName(const QString &tag)
{
    return kJournalPrefix + tag + kLeftoverSuffix;
}

int CCoverFiles::CleanJournal(const QString &imagesFolder, const QString &journalName, Connection &connection)
{
    const QDir dir(imagesFolder);
    QFile journal(dir.filePath(journalName));
    if (!journal.open(QIODevice::ReadOnly))
        return 0;
    int removed = 0;
    const QStringList named = QString::fromUtf8(journal.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &file : named) {
        if (IsPlainFileName(file) && !IsLeftover(file) && QFile::exists(dir.filePath(file)) &&
            !isReferenced(connection, file) && QFile::remove(dir.filePath(file)))
            ++removed;
    }
    return removed;
}

bool CCoverFiles::IsLeftover(const QString &fileName)
{
    return fileName.startsWith(QLatin1Char('.')) && fileName.endsWith(kLeftoverSuffix);
}

void CCoverFiles::plan(int index, const QString &source, const QString &previous, const QString &suffix,
                       bool isNew)
{
    Plan &p = m_plans[index];
    p = Plan();
    p.previous = isNew ? QString() : previous;
    if (source.isEmpty()) {
        p.deletePrevious = p.previous;
        return;
    }
    p.name = QString::number(m_bookId) + suffix + extensionOf(source);
    if (source != path(p.name)) {
        p.source = source;
        p.deletePrevious = p.previous;
    }
}

bool CCoverFiles::writeJournal()
{
    QStringList names;
    for (const Plan &p : m_plans) {
        if (p.early)
            names << p.name;
        if (IsPlainFileName(p.deletePrevious))
            names << p.deletePrevious;
    }
    if (names.isEmpty())
        return true;
    m_journal = path(JournalName(QString::number(m_bookId)));
    QFile journal(m_journal);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    journal.write(names.join(QLatin1Char('\n')).toUtf8() + '\n');
    return journal.flush();
}

void CCoverFiles::prepare()
{
    m_prepared = true;
    // A picture goes into place before the commit only under a name no cover
    // of this book uses: the catalogue does not name that file yet.
    for (Plan &p : m_plans) {
        if (p.source.isEmpty())
            continue;
        p.early = true;
        for (const Plan &q : m_plans)
            p.early = p.early && q.previous != p.name;
    }
    // Without its journal an interrupted save could not be cleaned up.
    const bool journalled = writeJournal();
    CrashPoint("journal written");

    const auto fallBack = [](Plan &p) {
        p.name = p.previous;
        p.source.clear();
        p.deletePrevious.clear();
        p.early = false;
    };
    for (Plan &p : m_plans) {
        if (p.source.isEmpty())
            continue;
        const QString staged = path(StagedName(p.name));
        QFile::remove(staged);
        if (journalled && QFile::copy(p.source, staged)) {
            p.staged = staged;
            // A read-only source must not give a cover that cannot be replaced.
            QFile::setPermissions(staged, QFile::permissions(staged) | QFile::WriteOwner);
        } else {
            QFile::remove(staged);
            reportCopyFailure(path(p.name));
            fallBack(p);
        }
        CrashPoint("picture copied");
    }
    for (Plan &p : m_plans) {
        if (!p.early || p.staged.isEmpty())
            continue;
        if (replaceFile(p.staged, path(p.name))) {
            p.staged.clear();
        } else {
            QFile::remove(p.staged);
            reportCopyFailure(path(p.name));
            fallBack(p);
            p.staged.clear();
        }
        CrashPoint("picture in place");
    }
}

void CCoverFiles::rollback()
{
    m_done = true;
    for (const Plan &p : m_plans) {
        if (!p.staged.isEmpty())
            QFile::remove(p.staged);
        if (p.early)
            QFile::remove(path(p.name));
    }
    if (!m_journal.isEmpty())
        QFile::remove(m_journal);
}

void CCoverFiles::finish()
{
    m_done = true;
    for (Plan &p : m_plans) {
        if (p.staged.isEmpty())
            continue;
        if (!replaceFile(p.staged, path(p.name))) {
            // The catalogue names a file that still holds the old picture.
            QFile::remove(p.staged);
            reportCopyFailure(path(p.name));
        }
        p.staged.clear();
        CrashPoint("picture replaced");
    }
    for (const Plan &p : m_plans) {
        if (!IsPlainFileName(p.deletePrevious))
            continue;
        // A name some cover has after the save is that cover's file.
        bool inUse = false;
        for (const Plan &q : m_plans)
            inUse = inUse || q.name == p.deletePrevious;
        if (!inUse) {
            QFile::remove(path(p.deletePrevious));
            CrashPoint("old picture deleted");
        }
    }
    if (!m_journal.isEmpty()) {
        QFile::remove(m_journal);
        CrashPoint("journal removed");
    }
}

int CCoverFiles::CleanUp(const QString &imagesFolder, Connection &connection)
{
    const QDir dir(imagesFolder);
    int removed = 0;
    const QStringList leftovers =
        dir.entryList({QLatin1Char('*') + kLeftoverSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : leftovers) {
        if (name.startsWith(kJournalPrefix))
            removed += CleanJournal(imagesFolder, name, connection);
    }
    for (const QString &name : leftovers) {
        if (IsLeftover(name) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}
