#pragma once

#include "catalog/connection.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh catalogue copied from the built template into a temporary folder.
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
