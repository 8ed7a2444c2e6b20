#include "cataloguemove.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/cataloguecopy.h"
#include "catalog/cataloguetemplate.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/serveraddress.h"
#include "copyprogress.h"
#include "passwordprompt.h"
#include "serveropen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void showError(const QString &text)
{
    messenger().showMessage(text, IMessenger::Icon::Error);
}

// What a failed copy to a file leaves: the file, the engine's side files and
// the pictures written (the folder too when the copy made it).
void removeLocalCopy(const QString &path, const QString &images, bool imagesExisted)
{
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    if (!imagesExisted)
        QDir(images).removeRecursively();
}

} // namespace

CCatalogueMove::CCatalogueMove(COrdoDoc *doc, QWidget *window, Questions questions)
    : QObject(window), m_doc(doc), m_window(window), m_questions(std::move(questions))
{
}

bool CCatalogueMove::servesCommand(int id) const
{
    return id == Cmd::CopyToServer || id == Cmd::SaveLocalCopy;
}

bool CCatalogueMove::isCommandEnabled(int id) const
{
    // A modal dialog (a book's sheet, or this copy's progress) holds the
    // catalogue in the middle of something.
    if (!m_doc->hasConnection() || QApplication::activeModalWidget())
        return false;
    const bool shared = m_doc->connection()->isShared();
    return id == Cmd::CopyToServer ? !shared : shared && !m_doc->connection()->isConnectionLost();
}

void CCatalogueMove::runCommand(int id)
{
    if (id == Cmd::CopyToServer)
        CopyToServer();
    else if (id == Cmd::SaveLocalCopy)
        SaveLocalCopy();
}

void CCatalogueMove::CopyToServer()
{
    if (!isCommandEnabled(Cmd::CopyToServer))
        return;
    const QString answer = m_questions.serverAddress ? m_questions.serverAddress() : QString();
    if (answer.isEmpty())
        return;
    QString problem;
    const std::optional<ServerAddress> where = ServerAddress::parse(answer, &problem);
    if (!where) {
        showError(problem);
        return;
    }
    const QString address = where->toString();
    CPasswordDialogPrompt dialogPrompt(m_window);
    IPasswordPrompt *scripted = m_questions.passwordPrompt ? m_questions.passwordPrompt() : nullptr;
    IPasswordPrompt &prompt = scripted ? *scripted : dialogPrompt;
    if (!ServerOpen::make(address, prompt))
        return;

    DbError error;
    std::shared_ptr<Connection> target = Connection::open(address, &error);
    if (!target) {
        showError(error.message);
        return;
    }
    CatalogueCopy copy;
    copy.from = m_doc->connection();
    copy.fromImages = ImagesFolder();
    copy.to = target.get();
    const bool copied = CCopyProgress::run(copy, m_window, tr("Copying the catalogue to %1...").arg(where->displayName()), &error);
    target.reset();
    // Cancelled or failed, the copy left nothing but the empty catalogue.
    if (!copied) {
        showError(error.message);
        return;
    }
    if (!copy.problems.isEmpty())
        messenger().showMessage(CCopyProgress::problemsText(copy.problems), IMessenger::Icon::Warning);
    const QString question =
        tr("The catalogue is now on the server as %1. Open it there?").arg(where->displayName());
    if (messenger().askYesNo(question, IMessenger::Icon::Question))
        ServerOpen::open(*m_doc, address, prompt);
}

void CCatalogueMove::SaveLocalCopy()
{
    if (!isCommandEnabled(Cmd::SaveLocalCopy))
        return;
    const QString answer = m_questions.localPath ? m_questions.localPath() : QString();
    if (answer.isEmpty())
        return;
    const QString path = QFileInfo(answer).absoluteFilePath();
    const QString shown = QDir::toNativeSeparators(path);
    // Canonical paths: a file that does not exist yet is nobody's catalogue.
    const QString openFile = QFileInfo(m_doc->path()).canonicalFilePath();
    if (!openFile.isEmpty() && openFile == QFileInfo(path).canonicalFilePath()) {
        showError(tr("%1 is the catalogue that is open. Choose another file.").arg(shown));
        return;
    }
    const QString images = ImagesFolderForCatalogue(path);
    const bool imagesExisted = QFileInfo::exists(images);
    if (!CopyCatalogueTemplate(path)) {
        showError(LoadStr(IDS_CANNOT_CREATE_FILE, shown));
        return;
    }

    DbError error;
    CatalogueCopy copy;
    bool copied = false;
    if (std::shared_ptr<Connection> target = Connection::open(path, &error)) {
        copy.from = m_doc->connection();
        copy.to = target.get();
        copy.toImages = images;
        copied = CCopyProgress::run(copy, m_window, tr("Saving a copy of the catalogue to %1...").arg(shown), &error);
    }
    if (!copied) {
        // The connection is closed by now: a half-made file is not left to
        // look like a catalogue.
        removeLocalCopy(path, images, imagesExisted);
        showError(error.message);
        return;
    }
    QString text = tr("A copy of the catalogue was saved to %1.").arg(shown);
    if (!copy.problems.isEmpty())
        text += QStringLiteral("\n\n") + CCopyProgress::problemsText(copy.problems);
    messenger().showMessage(text, copy.problems.isEmpty() ? IMessenger::Icon::Information : IMessenger::Icon::Warning);
}
