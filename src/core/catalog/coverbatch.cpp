#include "coverbatch.h"

#include "coverfiles.h"
#include "crashpoint.h"

#include <QDir>
#include <QFile>

CCoverBatch::CCoverBatch(const QString &imagesFolder) : m_folder(imagesFolder)
{
}

CCoverBatch::~CCoverBatch()
{
    if (m_begun && !m_done)
        rollback();
}

QString CCoverBatch::JournalName()
{
    return CCoverFiles::JournalName(QStringLiteral("batch"));
}

bool CCoverBatch::begin()
{
    m_begun = true;
    if (m_names.isEmpty() && m_retired.isEmpty())
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    QStringList named;
    for (const QString &name : m_names + m_retired) {
        if (CCoverFiles::IsPlainFileName(name))
            named << name;
    }
    // A journal left by a batch nobody finished (the catalogue was not
    // opened since) still names files to clean up: it is added to.
    QFile journal(path(JournalName()));
    m_hadJournal = journal.exists();
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray text = named.join(QLatin1Char('\n')).toUtf8() + '\n';
    const bool ok = journal.write(text) == text.size() && journal.flush();
    journal.close();
    if (!ok && !m_hadJournal)
        QFile::remove(journal.fileName());
    CrashPoint("batch journal written");
    return ok;
}

bool CCoverBatch::put(const QString &name, const QByteArray &bytes)
{
    if (!m_begun || !m_expected.contains(name) || !CCoverFiles::IsPlainFileName(name))
        return false;
    const QString staged = path(CCoverFiles::StagedName(name));
    QFile::remove(staged);
    QFile out(staged);
    bool ok = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
    out.close();
    CrashPoint("batch picture staged");
    // QFile::rename never replaces a file: a name that is taken after all
    // keeps its file.
    ok = ok && QFile::rename(staged, path(name));
    if (!ok) {
        QFile::remove(staged);
        return false;
    }
    m_written << name;
    CrashPoint("batch picture in place");
    return true;
}

void CCoverBatch::rollback()
{
    m_done = true;
    for (const QString &name : std::as_const(m_written))
        QFile::remove(path(name));
    m_written.clear();
    if (!m_hadJournal)
        QFile::remove(path(JournalName()));
}

void CCoverBatch::finish(Connection &connection)
{
    m_done = true;
    if (!QFile::exists(path(JournalName())))
        return;
    if (CCoverFiles::CleanJournal(m_folder, JournalName(), connection) > 0)
        CrashPoint("batch old pictures deleted");
    QFile::remove(path(JournalName()));
    CrashPoint("batch journal removed");
}
