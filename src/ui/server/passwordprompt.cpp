#include "passwordprompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPasswordDialog::CPasswordDialog(const QString &where, const QString &user, const QString &note,
                                 QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(tr("Server Password"));
    auto *layout = new QVBoxLayout(this);
    if (!note.isEmpty()) {
        auto *warning = new QLabel(note, this);
        warning->setObjectName(QStringLiteral("note"));
        warning->setTextFormat(Qt::PlainText);
        warning->setWordWrap(true);
        layout->addWidget(warning);
    }
    const QString who = user.isEmpty() ? tr("The password for %1:").arg(where)
                                       : tr("The password of %1 for %2:").arg(user, where);
    auto *label = new QLabel(who, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    label->setBuddy(m_password);
    m_remember = new QCheckBox(tr("&Remember in the desktop's keyring"), this);
    m_remember->setObjectName(QStringLiteral("remember"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_password);
    layout->addWidget(m_remember);
    layout->addWidget(buttons);
    m_password->setFocus();
}

QString CPasswordDialog::password() const
{
    return m_password->text();
}

bool CPasswordDialog::remember() const
{
    return m_remember->isChecked();
}

bool CPasswordDialogPrompt::ask(const QString &where, const QString &user, const QString &note,
                                QString *password, bool *remember)
{
    CPasswordDialog dialog(where, user, note, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *password = dialog.password();
    *remember = dialog.remember();
    return true;
}
