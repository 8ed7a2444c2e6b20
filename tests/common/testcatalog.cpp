#include "testcatalog.h"

#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "testserver.h"

#include <QFile>
#include <QTest>

QString TestCatalog::appDir()
{
    return QStringLiteral(ORDO_TEST_APPDIR);
}

QString TestCatalog::templatePath()
{
    return appDir() + QStringLiteral("/ordo.dbt");
}

TestCatalog::TestCatalog(const QString &fileName)
{
    // The same tests, run a second time against the test server.
    if (qEnvironmentVariableIsSet("ORDO_TEST_ON_SERVER") && TestServer::available()) {
        m_path = TestServer::newCatalogue();
        m_connection = TestServer::open(m_path);
        return;
    }
    m_path = m_dir.path() + QLatin1Char('/') + fileName;
    if (!QFile::copy(templatePath(), m_path))
        qFatal("cannot copy the catalogue template %s", qPrintable(templatePath()));
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    DbError error;
    m_connection = Connection::open(m_path, &error);
    if (!m_connection)
        qFatal("cannot open the test catalogue: %s", qPrintable(error.message));
}

void TestCatalog::exec(const QString &sql)
{
    DbError error;
    if (!m_connection->execute(sql, nullptr, &error))
        qFatal("SQL failed: %s\n%s", qPrintable(sql), qPrintable(error.message));
}

QString TestCatalog::scalar(const QString &sql)
{
    Recordset rs;
    DbError error;
    if (!rs.open(*m_connection, sql, &error))
        qFatal("SQL failed: %s\n%s", qPrintable(sql), qPrintable(error.message));
    return rs.isEOF() ? QString() : FieldToText(rs.field(0));
}
