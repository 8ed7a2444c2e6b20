#include "loantools.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "app/registrykey.h"
#include "borrowersdlg.h"
#include "browse/booklistmodel.h"
#include "catalog/booklistquery.h"
#include "catalog/bookrecord.h"
#include "catalog/borrowers.h"
#include "catalog/catalogueupgrade.h"
#include "catalog/imagesfolder.h"
#include "catalog/loancommands.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "lenddlg.h"
#include "returndlg.h"

#include <QToolButton>

namespace {

const char kSettingsKey[] = "Software\\Quenlow\\Ordo\\Settings";
const char kLoanDaysValue[] = "LoanDays";
constexpr int kDefaultLoanDays = 28;

bool editableCategory(CategoryId category)
{
    return category == 1 || category >= 32;
}

} // namespace

CLoanTools::CLoanTools(COrdoDoc *doc, QWidget *window) : QObject(window), m_doc(doc), m_window(window)
{
    m_runLend = [](CLendDlg &dialog) { return dialog.exec(); };
    m_runReturn = [](CReturnDlg &dialog) { return dialog.exec(); };
    m_runBorrowers = [this](QWidget *parent) {
        CBorrowersDlg dialog(m_doc, parent);
        dialog.exec();
    };
    m_notice = new QToolButton(window);
    m_notice->setObjectName(QStringLiteral("overdueNotice"));
    m_notice->setAutoRaise(true);
    m_notice->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_notice->setIcon(CBookListModel::overdueIcon());
    m_notice->setToolTip(tr("Show the books on loan"));
    m_notice->hide();
    connect(m_notice, &QToolButton::clicked, this, &CLoanTools::showOnLoanRequested);
    connect(m_doc, &COrdoDoc::documentOpened, this, [this] { updateOverdueNotice(); });
}

CLoanTools::~CLoanTools() = default;

QString CLoanTools::OverdueText(int count)
{
    return tr("%n book(s) are overdue", nullptr, count);
}

void CLoanTools::updateOverdueNotice(const QDate &today)
{
    const int overdue = m_doc->hasConnection() ? OverdueLoanCount(*m_doc->connection(), today) : 0;
    m_notice->setText(OverdueText(overdue));
    m_notice->setVisible(overdue > 0);
}

int CLoanTools::DefaultLoanDays()
{
    CRegistryKey key;
    key.SetKey(QString::fromLatin1(kSettingsKey), true);
    return qBound(0, key.ReadInt(QString::fromLatin1(kLoanDaysValue), kDefaultLoanDays), 3650);
}

void CLoanTools::SetDefaultLoanDays(int days)
{
    CRegistryKey key;
    if (key.SetKey(QString::fromLatin1(kSettingsKey), true))
        key.WriteInt(QString::fromLatin1(kLoanDaysValue), days);
}

bool CLoanTools::servesCommand(int id) const
{
    return id == Cmd::Lend || id == Cmd::Return || id == Cmd::BorrowedBook || id == Cmd::Borrowers;
}

bool CLoanTools::isCommandEnabled(int id) const
{
    if (!m_doc->hasConnection() || m_doc->isReadOnly() || !HasLoanTables(*m_doc->connection()))
        return false;
    switch (id) {
    case Cmd::Lend:
        // Books borrowed from others are not ours to lend.
        return !m_doc->selectedBooks().isEmpty() && m_doc->currentCategory() != BorrowedCategory;
    case Cmd::Return:
        return !BooksOut(*m_doc->connection(), m_doc->selectedBooks()).isEmpty();
    default:
        return true;
    }
}

void CLoanTools::runCommand(int id)
{
    switch (id) {
    case Cmd::Lend:
        Lend();
        break;
    case Cmd::Return:
        Return();
        break;
    case Cmd::BorrowedBook:
        AddBorrowedBook();
        break;
    case Cmd::Borrowers:
        m_runBorrowers(m_window);
        emit loansChanged();
        break;
    default:
        break;
    }
}

QStringList CLoanTools::borrowerNames() const
{
    QStringList names;
    if (const auto borrowers = LoadBorrowers(*m_doc->connection())) {
        for (const BorrowerInfo &b : *borrowers)
            names << b.name;
    }
    return names;
}

void CLoanTools::Lend()
{
    const QVector<BookId> books = m_doc->selectedBooks();
    if (books.isEmpty())
        return;
    CLendDlg dialog(LoanDirection::LentTo, borrowerNames(), DefaultLoanDays(), m_window);
    if (m_runLend(dialog) != QDialog::Accepted)
        return;
    const LoanOutcome outcome = LendBooks(*m_doc->connection(), books, dialog.request());
    if (!outcome.ok)
        return;
    if (outcome.skipped > 0)
        messenger().showMessage(
            tr("%n book(s) were on loan already and kept their loan.", nullptr, outcome.skipped),
            IMessenger::Icon::Information);
    updateOverdueNotice();
    emit loansChanged();
}

void CLoanTools::Return()
{
    const QVector<BookId> books = m_doc->selectedBooks();
    const int out = int(BooksOut(*m_doc->connection(), books).size());
    if (out == 0)
        return;
    CReturnDlg dialog(out, m_window);
    if (m_runReturn(dialog) != QDialog::Accepted)
        return;
    if (!ReturnBooks(*m_doc->connection(), books, dialog.returnDate()).ok)
        return;
    updateOverdueNotice();
    emit loansChanged();
}

void CLoanTools::AddBorrowedBook()
{
    CLendDlg dialog(LoanDirection::BorrowedFrom, borrowerNames(), DefaultLoanDays(), m_window);
    if (m_runLend(dialog) != QDialog::Accepted)
        return;
    Connection &connection = *m_doc->connection();
    // The book and its loan go in together or not at all.
    Transaction transaction(connection);
    if (!transaction.isActive())
        return;
    CBookRecord record;
    record.Title = dialog.title();
    record.Author = dialog.author();
    const CategoryId category = editableCategory(m_doc->currentCategory()) ? m_doc->currentCategory() : 1;
    if (!record.Save(true, category, ImagesFolder(), connection))
        return;
    Recordset newest;
    if (!newest.open(connection, QStringLiteral("SELECT MAX(BookID) FROM book")) || newest.isEOF())
        return;
    const BookId bookId = newest.int64Field(0);
    newest.close();
    if (!LendBooks(connection, {bookId}, dialog.request()).ok || !transaction.commit())
        return;
    updateOverdueNotice();
    emit bookAdded();
}
