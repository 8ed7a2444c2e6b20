#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;

// Asks for the password of a server catalogue. Tests script the answers.
class IPasswordPrompt
{
public:
    virtual ~IPasswordPrompt() = default;
    // note says why it asks again ("The server refused ..."), empty the
    // first time. False when the user cancels.
    virtual bool ask(const QString &where, const QString &user, const QString &note, QString *password,
                     bool *remember) = 0;
};

// The small password dialog: the password and "Remember".
class CPasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CPasswordDialog(const QString &where, const QString &user, const QString &note,
                             QWidget *parent = nullptr);

    QString password() const;
    bool remember() const;
    QLineEdit *passwordEdit() const { return m_password; }
    QCheckBox *rememberBox() const { return m_remember; }

private:
    QLineEdit *m_password = nullptr;
    QCheckBox *m_remember = nullptr;
};

// IPasswordPrompt that shows CPasswordDialog over parent.
class CPasswordDialogPrompt : public IPasswordPrompt
{
public:
    explicit CPasswordDialogPrompt(QWidget *parent) : m_parent(parent) {}
    bool ask(const QString &where, const QString &user, const QString &note, QString *password,
             bool *remember) override;

private:
    QWidget *m_parent;
};
