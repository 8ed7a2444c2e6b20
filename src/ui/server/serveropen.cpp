#include "serveropen.h"

#include "app/messenger.h"
#include "catalog/connection.h"
#include "catalog/ordodoc.h"
#include "catalog/serveraddress.h"
#include "passwordprompt.h"
#include "serverkeyring.h"

#include <QCoreApplication>
#include <functional>

namespace {


// Runs step until the server takes the password, asking for one while it
// wants one. False (the failure shown, or cancelled) otherwise; error keeps
// the step's last failure for the caller to tell NoCatalogue apart.
bool withPassword(const ServerAddress &where, const QString &address, IPasswordPrompt &prompt,
                  const std::function<bool(DbError *)> &step, DbError *error, bool showFailure = true)
{
    if (ServerPasswords::get(address).isEmpty()) {
        const QString kept = ServerKeyring::read(address);
        if (!kept.isEmpty())
            ServerPasswords::set(address, kept);
    }
    bool remember = false;
    for (;;) {
        *error = DbError();
        if (step(error)) {
            if (remember)
                ServerKeyring::store(address, ServerPasswords::get(address));
            return true;
        }
        if (error->code != DbErrorCode::PasswordNeeded && error->code != DbErrorCode::PasswordWrong) {
            if (showFailure)
                messenger().showMessage(error->message, IMessenger::Icon::Error);
            return false;
        }
        const QString note =
            error->code == DbErrorCode::PasswordWrong ? QCoreApplication::translate("ServerOpen", "The server refused the user name or password.") : QString();
        // A refused password must not be tried again at the next open.
        if (error->code == DbErrorCode::PasswordWrong && !ServerPasswords::get(address).isEmpty()) {
            ServerPasswords::forget(address);
            ServerKeyring::forget(address);
        }
        QString password;
        if (!prompt.ask(where.displayName(), where.user, note, &password, &remember))
            return false;
        ServerPasswords::set(address, password);
    }
}

bool createThere(const ServerAddress &where, const QString &address, IPasswordPrompt &prompt)
{
    DbError error;
    return withPassword(where, address, prompt,
                        [&](DbError *e) { return Connection::createServerCatalogue(address, e); }, &error);
}

bool openChecked(COrdoDoc &doc, const ServerAddress &where, const QString &address, IPasswordPrompt &prompt)
{
    // A first connection of our own finds out what the server wants; the
    // document opens its own once it would succeed.
    DbError error;
    const auto probe = [&](DbError *e) { return bool(Connection::open(address, e)); };
    if (!withPassword(where, address, prompt, probe, &error, false)) {
        if (error.code == DbErrorCode::NoCatalogue) {
            const QString question = QCoreApplication::translate("ServerOpen", "%1 holds no Ordoteca catalogue yet. Create one there?")
                                         .arg(where.displayName());
            if (!messenger().askYesNo(question, IMessenger::Icon::Question))
                return false;
            if (!createThere(where, address, prompt))
                return false;
        } else {
            if (error.isSet() && error.code != DbErrorCode::PasswordNeeded &&
                error.code != DbErrorCode::PasswordWrong)
                messenger().showMessage(error.message, IMessenger::Icon::Error);
            return false;
        }
    }
    return doc.OnOpenDocument(address);
}

} // namespace

namespace ServerOpen {

bool open(COrdoDoc &doc, const QString &address, IPasswordPrompt &prompt)
{
    QString problem;
    const std::optional<ServerAddress> where = ServerAddress::parse(address, &problem);
    if (!where) {
        messenger().showMessage(problem, IMessenger::Icon::Error);
        return false;
    }
    return openChecked(doc, *where, where->toString(), prompt);
}

bool create(COrdoDoc &doc, const QString &address, IPasswordPrompt &prompt)
{
    QString problem;
    const std::optional<ServerAddress> where = ServerAddress::parse(address, &problem);
    if (!where) {
        messenger().showMessage(problem, IMessenger::Icon::Error);
        return false;
    }
    const QString text = where->toString();
    return createThere(*where, text, prompt) && openChecked(doc, *where, text, prompt);
}

bool make(const QString &address, IPasswordPrompt &prompt)
{
    QString problem;
    const std::optional<ServerAddress> where = ServerAddress::parse(address, &problem);
    if (!where) {
        messenger().showMessage(problem, IMessenger::Icon::Error);
        return false;
    }
    return createThere(*where, where->toString(), prompt);
}

} // namespace ServerOpen
