#pragma once

#include "catalog/connection.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Cases that build a catalogue only a file can hold (text in number columns,
// the file engine's own triggers and shell) are skipped when the tests run
// again on the test server.
#define SKIP_ON_SERVER(why)                                                                                            \
    do {                                                                                                               \
        if (qEnvironmentVariableIsSet("ORDO_TEST_ON_SERVER"))                                                          \
            QSKIP(why);                                                                                                \
    } while (false)

// A fresh catalogue copied from the built template into a temporary folder
// (or, with ORDO_TEST_ON_SERVER, a new catalogue on the test server).
class TestCatalog
{
public:
    explicit TestCatalog(const QString &fileName = QStringLiteral("test.mdb"));

    QString path() const { return m_path; }
    QString dir() const { return m_dir.path(); }
    Connection &connection() { return *m_connection; }
    std::shared_ptr<Connection> shared() const { return m_connection; }

    // Runs SQL that must succeed (QFAIL-style abort on error).
    void exec(const QString &sql);
    // First column of the first row as text, empty when there is none.
    QString scalar(const QString &sql);
    int count(const QString &sql) { return scalar(sql).toInt(); }

    static QString templatePath();
    static QString appDir();

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::shared_ptr<Connection> m_connection;
};
