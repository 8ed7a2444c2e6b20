#pragma once

#include "catalog/connection.h"

#include <QString>
#include <memory>

// The private PostgreSQL server the test run starts (scripts/pg-test-server;
// CTest passes its folder in ORDO_TEST_PGDIR). Each test takes catalogues in
// schemas of their own, so tests may run side by side.
namespace TestServer {

// False when no server was started for this run (the test should skip).
bool available();
int port();
// An address on the test database as user (ordo_admin, ordo_editor or
// ordo_reader), with its password known to the session.
QString address(const QString &user = QStringLiteral("ordo_admin"), const QString &schema = QString(),
                const QString &sslMode = QStringLiteral("disable"));
// A new catalogue in a fresh schema, made by ordo_admin; its address for user.
QString newCatalogue(const QString &user = QStringLiteral("ordo_admin"));
// The schema an address names.
QString schemaOf(const QString &address);
// Opens an address that must open (qFatal otherwise).
std::shared_ptr<Connection> open(const QString &address);

} // namespace TestServer
