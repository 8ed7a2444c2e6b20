#pragma once

#include "catalog/serveraddress.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// Asks where a catalogue on a PostgreSQL server is (Open Server Catalogue)
// or is to be made (New Server Catalogue). OK is taken only with a usable
// address; what is wrong is said through the messenger.
class CServerDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose { Open, Create };

    explicit CServerDialog(Purpose purpose, QWidget *parent = nullptr);

    // Fills the fields from address (an earlier choice).
    void setAddress(const ServerAddress &address);
    // The address the fields make; null with the reason in problem.
    std::optional<ServerAddress> address(QString *problem = nullptr) const;

    // The name the user logged in with, the default user name on the server.
    static QString loginName();
    // TLS modes offered, in the order of the list.
    static QStringList tlsModes();

    QLineEdit *hostEdit() const { return m_host; }
    QLineEdit *portEdit() const { return m_port; }
    QLineEdit *databaseEdit() const { return m_database; }
    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *schemaEdit() const { return m_schema; }
    QComboBox *tlsCombo() const { return m_tls; }

    void accept() override;

private:
    QLineEdit *m_host = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_schema = nullptr;
    QComboBox *m_tls = nullptr;
};
