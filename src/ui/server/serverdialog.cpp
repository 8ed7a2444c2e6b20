#include "serverdialog.h"

#include "app/messenger.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CServerDialog::CServerDialog(Purpose purpose, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("serverDialog"));
    setWindowTitle(purpose == Purpose::Open ? tr("Open Server Catalogue") : tr("New Server Catalogue"));

    auto *intro = new QLabel(purpose == Purpose::Open
                                 ? tr("Where is the catalogue? Ask the server's administrator for these values.")
                                 : tr("Where is the catalogue to be made? The database (or its schema) must "
                                      "exist and be empty."),
                             this);
    intro->setWordWrap(true);

    m_host = new QLineEdit(QStringLiteral("localhost"), this);
    m_port = new QLineEdit(QStringLiteral("5432"), this);
    m_database = new QLineEdit(this);
    m_user = new QLineEdit(loginName(), this);
    m_schema = new QLineEdit(this);
    m_schema->setPlaceholderText(tr("public"));
    m_tls = new QComboBox(this);
    m_tls->addItem(tr("Never (disable)"), QStringLiteral("disable"));
    m_tls->addItem(tr("When the server offers it (prefer)"), QStringLiteral("prefer"));
    m_tls->addItem(tr("Always (require)"), QStringLiteral("require"));
    m_tls->addItem(tr("Always, checking the server's certificate (verify-full)"), QStringLiteral("verify-full"));
    m_tls->setCurrentIndex(1);

    m_host->setObjectName(QStringLiteral("host"));
    m_port->setObjectName(QStringLiteral("port"));
    m_database->setObjectName(QStringLiteral("database"));
    m_user->setObjectName(QStringLiteral("user"));
    m_schema->setObjectName(QStringLiteral("schema"));
    m_tls->setObjectName(QStringLiteral("tlsMode"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Host:"), m_host);
    form->addRow(tr("&Port:"), m_port);
    form->addRow(tr("&Database:"), m_database);
    form->addRow(tr("&User:"), m_user);
    form->addRow(tr("&Schema:"), m_schema);
    form->addRow(tr("&Encryption:"), m_tls);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CServerDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_database->setFocus();
}

QString CServerDialog::loginName()
{
    for (const char *variable : {"USER", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QDir::home().dirName();
}

QStringList CServerDialog::tlsModes()
{
    return {QStringLiteral("disable"), QStringLiteral("prefer"), QStringLiteral("require"),
            QStringLiteral("verify-full")};
}

void CServerDialog::setAddress(const ServerAddress &address)
{
    m_host->setText(address.host);
    m_port->setText(QString::number(address.port));
    m_database->setText(address.database);
    m_user->setText(address.user);
    m_schema->setText(address.schema);
    const int tls = m_tls->findData(address.sslMode.isEmpty() ? QStringLiteral("prefer") : address.sslMode);
    if (tls >= 0)
        m_tls->setCurrentIndex(tls);
}

std::optional<ServerAddress> CServerDialog::address(QString *problem) const
{
    const auto fail = [problem](const QString &text) -> std::optional<ServerAddress> {
        if (problem)
            *problem = text;
        return std::nullopt;
    };
    ServerAddress a;
    a.host = m_host->text().trimmed();
    if (a.host.isEmpty())
        return fail(tr("Enter the name or address of the server."));
    bool ok = false;
    a.port = m_port->text().trimmed().toInt(&ok);
    if (!ok || a.port < 1 || a.port > 65535)
        return fail(tr("The port must be a number from 1 to 65535."));
    a.database = m_database->text().trimmed();
    if (a.database.isEmpty())
        return fail(tr("Enter the name of the database."));
    a.user = m_user->text().trimmed();
    a.schema = m_schema->text().trimmed();
    a.sslMode = m_tls->currentData().toString();
    // The address must read back as the same place, whatever the names hold.
    QString error;
    const std::optional<ServerAddress> parsed = ServerAddress::parse(a.toString(), &error);
    if (!parsed)
        return fail(error);
    return parsed;
}

void CServerDialog::accept()
{
    QString problem;
    if (!address(&problem)) {
        messenger().showMessage(problem, IMessenger::Icon::Warning);
        return;
    }
    QDialog::accept();
}
