#include "catalog/basicsearch.h"
#include "catalog/booklistquery.h"
#include "catalog/borrowers.h"
#include "catalog/catalogueupgrade.h"
#include "catalog/loancommands.h"
#include "catalog/ordodoc.h"
#include "catalog/orphanrows.h"
#include "catalog/recordset.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

void addBook(TestCatalog &cat, BookId id, const QString &title)
{
    cat.exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, '%2')").arg(id).arg(title));
}

LoanRequest lendTo(const QString &borrower, const QDate &on, const QDate &due = {})
{
    LoanRequest request;
    request.borrower = borrower;
    request.loanDate = on;
    request.dueDate = due;
    return request;
}

// Every row of every table as the engine quotes it: equal texts mean equal bytes.
QStringList allRows(TestCatalog &cat, const QStringList &tables)
{
    QStringList rows;
    for (const QString &table : tables) {
        Recordset columns;
        if (!columns.open(cat.connection(), QStringLiteral("PRAGMA table_info(%1)").arg(table)))
            return {};
        QStringList quoted;
        for (; !columns.isEOF(); columns.moveNext())
            quoted << QStringLiteral("quote(\"%1\")").arg(columns.fieldText(1));
        columns.close();
        Recordset rs;
        if (!rs.open(
                cat.connection(),
                QStringLiteral("SELECT %1 FROM %2").arg(quoted.join(QStringLiteral(" || '|' || ")), table)))
            return {};
        for (; !rs.isEOF(); rs.moveNext())
            rows << table + QLatin1Char(':') + rs.fieldText(0);
    }
    return rows;
}

QStringList schemaOf(TestCatalog &cat, const QString &names)
{
    QStringList sql;
    Recordset rs;
    if (!rs.open(cat.connection(),
                 QStringLiteral("SELECT sql FROM sqlite_master WHERE name IN (%1) ORDER BY name").arg(names)))
        return {};
    for (; !rs.isEOF(); rs.moveNext())
        sql << rs.fieldText(0);
    return sql;
}

const QString kLoanObjects =
    QStringLiteral("'borrower','loan','loan_book','loan_borrower','loan_open','loan_current'");

bool runShell(const QString &path, const QString &sql, QString *output = nullptr)
{
    const QString binary = QStandardPaths::findExecutable("sqlite3");
    if (binary.isEmpty())
        return false;
    QProcess process;
    process.start(binary, {path, sql});
    const bool ok = process.waitForFinished(30000) && process.exitCode() == 0;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return ok;
}

} // namespace

class LoansTest : public QObject
{
    Q_OBJECT

private slots:
    // Three books to two friends: they show under On Loan with borrower and
    // due date, one comes back, and each book keeps its whole history.
    void lendThreeToTwo_listReturnHistory()
    {
        RecordingMessenger recorder;
        TestCatalog cat;
        addBook(cat, 1, "Ἰλιάς");
        addBook(cat, 2, "Война и мир");
        addBook(cat, 3, "红楼梦");
        addBook(cat, 4, "Kept at home");

        LoanRequest toZoe = lendTo("Zoë Ångström", QDate(2025, 3, 1), QDate(2025, 3, 31));
        toZoe.note = "Glänzend — 借给她";
        LoanOutcome lent = LendBooks(cat.connection(), {1, 2}, toZoe);
        QVERIFY(lent.ok);
        QCOMPARE(lent.changed, 2);
        lent = LendBooks(cat.connection(), {3}, lendTo("Дмитрий", QDate(2025, 3, 2)));
        QVERIFY(lent.ok);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM borrower"), 2);

        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), OnLoanCategory, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 3);
        QStringList shown;
        for (int row = 0; row < rows.size(); ++row)
            shown << QStringLiteral("%1|%2|%3")
                         .arg(rows.bookId(row))
                         .arg(rows.text(row, 6))
                         .arg(rows.text(row, 7));
        shown.sort();
        QCOMPARE(shown,
                 (QStringList{"1|Zoë Ångström|2025-03-31", "2|Zoë Ångström|2025-03-31", "3|Дмитрий|"}));
        QCOMPARE(LoadBookListRows(cat.connection(), BorrowedCategory, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 0);

        const LoanOutcome back = ReturnBooks(cat.connection(), {2, 4}, QDate(2025, 3, 20));
        QVERIFY(back.ok);
        QCOMPARE(back.changed, 1);
        QCOMPARE(back.skipped, 1); // book 4 was never out
        QCOMPARE(BooksOut(cat.connection(), {1, 2, 3, 4}), (QSet<BookId>{1, 3}));

        // Lent again later: the history holds both loans, the newest first.
        QVERIFY(LendBooks(cat.connection(), {2}, lendTo("дмитрий", QDate(2025, 4, 1))).ok);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM borrower"), 2); // the same borrower, letter case aside
        const auto history = LoansOfBook(cat.connection(), 2);
        QVERIFY(history);
        QCOMPARE(history->size(), 2);
        QCOMPARE(history->at(0).borrower, QStringLiteral("Дмитрий"));
        QVERIFY(history->at(0).isOpen());
        QCOMPARE(history->at(1).borrower, QStringLiteral("Zoë Ångström"));
        QCOMPARE(history->at(1).returnDate, QDate(2025, 3, 20));
        QCOMPARE(history->at(1).dueDate, QDate(2025, 3, 31));
        QCOMPARE(history->at(1).note, QStringLiteral("Glänzend — 借给她"));
        QVERIFY(recorder.messages.isEmpty());
    }

    void lend_refusesBadInput_andSkipsBooksOut()
    {
        RecordingMessenger recorder;
        TestCatalog cat;
        addBook(cat, 1, "One");
        addBook(cat, 2, "Two");

        QVERIFY(!LendBooks(cat.connection(), {1}, lendTo("   ", QDate(2025, 1, 1))).ok);
        QVERIFY(!LendBooks(cat.connection(), {1}, lendTo("Ana", QDate())).ok);
        // Due before the loan, as typed in a day-first country: 05/01 after 10/01.
        QVERIFY(!LendBooks(cat.connection(), {1}, lendTo("Ana", QDate(2025, 1, 10), QDate(2025, 1, 5))).ok);
        QCOMPARE(recorder.messages.size(), 3);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM loan"), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM borrower"), 0);

        QVERIFY(LendBooks(cat.connection(), {1}, lendTo("Ana", QDate(2025, 1, 1))).ok);
        const LoanOutcome again = LendBooks(cat.connection(), {1, 2, 2}, lendTo("Bea", QDate(2025, 1, 2)));
        QVERIFY(again.ok);
        QCOMPARE(again.changed, 1);
        QCOMPARE(cat.scalar("SELECT Name FROM borrower JOIN loan USING (BorrowerID) WHERE BookID=1"),
                 QStringLiteral("Ana"));

        // A return dated before the loan returns nothing.
        recorder.clear();
        QVERIFY(!ReturnBooks(cat.connection(), {1, 2}, QDate(2025, 1, 1)).ok);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM loan WHERE ReturnDate IS NOT NULL"), 0);
    }

    // The engine itself keeps a book out at most once, also for SQL typed by
    // hand.
    void schema_refusesSecondOpenLoan_andDirectionOutsideRange()
    {
        TestCatalog cat;
        addBook(cat, 1, "One");
        cat.exec("INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ana')");
        cat.exec("INSERT INTO loan (BookID, BorrowerID, LoanDate) VALUES (1, 1, '2025-01-01')");
        QVERIFY(!cat.connection().execute(
            "INSERT INTO loan (BookID, BorrowerID, LoanDate) VALUES (1, 1, '2025-02-01')"));
        QVERIFY(!cat.connection().execute("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, "
                                          "ReturnDate) VALUES (1, 1, 2, '2025-01-01', '2025-01-02')"));
    }

    void overdue_countsOpenLoansPastTheirDueDate()
    {
        RecordingMessenger recorder;
        TestCatalog cat;
        for (int id = 1; id <= 5; ++id)
            addBook(cat, id, QStringLiteral("Book %1").arg(id));
        QVERIFY(LendBooks(cat.connection(), {1, 2}, lendTo("Ana", QDate(2025, 1, 1), QDate(2025, 1, 31))).ok);
        QVERIFY(LendBooks(cat.connection(), {3}, lendTo("Bea", QDate(2025, 1, 1))).ok); // no due date
        LoanRequest borrowed = lendTo("Chen 陈", QDate(2025, 1, 1), QDate(2025, 1, 15));
        borrowed.direction = LoanDirection::BorrowedFrom;
        QVERIFY(LendBooks(cat.connection(), {4}, borrowed).ok);

        QCOMPARE(OverdueLoanCount(cat.connection(), QDate(2025, 1, 31)), 0); // due today is not late
        QCOMPARE(OverdueLoanCount(cat.connection(), QDate(2025, 2, 1)), 2);
        QCOMPARE(OverdueLoanCount(cat.connection(), QDate(2025, 2, 1), LoanDirection::BorrowedFrom), 1);
        QVERIFY(ReturnBooks(cat.connection(), {1}, QDate(2025, 2, 3)).ok);
        QCOMPARE(OverdueLoanCount(cat.connection(), QDate(2025, 2, 4)), 1);

        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), BorrowedCategory, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.text(0, 6).toString(), QStringLiteral("Chen 陈"));
    }

    void deletingBook_deletesItsLoans_borrowerStays()
    {
        SKIP_ON_SERVER("runs the sqlite3 shell on the file");
        RecordingMessenger recorder;
        TestCatalog cat;
        addBook(cat, 1, "One");
        addBook(cat, 2, "Two");
        QVERIFY(LendBooks(cat.connection(), {1, 2}, lendTo("Ana", QDate(2025, 1, 1))).ok);
        QVERIFY(ReturnBooks(cat.connection(), {1}, QDate(2025, 1, 2)).ok);
        QVERIFY(LendBooks(cat.connection(), {1}, lendTo("Ana", QDate(2025, 1, 3))).ok);
        cat.exec("DELETE FROM book WHERE BookID=1");
        QCOMPARE(cat.count("SELECT COUNT(*) FROM loan"), 1);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM borrower"), 1);

        // Deleted from the sqlite3 shell (foreign keys off there): the next
        // open removes the loans left behind.
        if (!QStandardPaths::findExecutable("sqlite3").isEmpty()) {
            QVERIFY(runShell(cat.path(), "DELETE FROM book WHERE BookID=2"));
            QCOMPARE(RemoveOrphanRows(cat.connection()), 1);
            QCOMPARE(cat.count("SELECT COUNT(*) FROM loan"), 0);
        }
    }

    void borrowers_countsRenameMergeDelete()
    {
        RecordingMessenger recorder;
        TestCatalog cat;
        for (int id = 1; id <= 3; ++id)
            addBook(cat, id, QStringLiteral("Book %1").arg(id));
        QVERIFY(LendBooks(cat.connection(), {1}, lendTo("Ζωή", QDate(2025, 1, 1))).ok);
        QVERIFY(ReturnBooks(cat.connection(), {1}, QDate(2025, 1, 5)).ok);
        QVERIFY(LendBooks(cat.connection(), {2}, lendTo("Zoe", QDate(2025, 1, 6))).ok);
        QVERIFY(LendBooks(cat.connection(), {3}, lendTo("Ζωή", QDate(2025, 1, 6))).ok);
        const std::optional<qint64> unused = FindOrAddBorrower(cat.connection(), "  Élodie  ");
        QVERIFY(unused);
        QCOMPARE(cat.scalar(QStringLiteral("SELECT Name FROM borrower WHERE BorrowerID=%1").arg(*unused)),
                 QStringLiteral("Élodie"));

        auto list = LoadBorrowers(cat.connection());
        QVERIFY(list);
        // (The order is the user's collation: not checked here.)
        QSet<QString> counts;
        BorrowerInfo zoe, zoi;
        for (const BorrowerInfo &b : *list) {
            counts << QStringLiteral("%1 %2/%3").arg(b.name).arg(b.booksNow).arg(b.booksEver);
            if (b.name == QLatin1String("Zoe"))
                zoe = b;
            else if (b.name == QStringLiteral("Ζωή"))
                zoi = b;
        }
        QCOMPARE(counts, (QSet<QString>{"Élodie 0/0", "Zoe 1/1", "Ζωή 1/2"}));

        // A rename onto a name in use is refused; a real one keeps the loans.
        BorrowerInfo renamed = zoe;
        renamed.name = "ζωή";
        recorder.clear();
        QVERIFY(!UpdateBorrower(cat.connection(), renamed)); // Ζωή, letter case aside
        renamed.name = QStringLiteral("ÉLODIE");
        QVERIFY(!UpdateBorrower(cat.connection(), renamed));
        QCOMPARE(recorder.messages.size(), 2);
        renamed.name = "Zoe Smith";
        renamed.contact = "zoe@example.org, +39 06 1234";
        QVERIFY(UpdateBorrower(cat.connection(), renamed));

        // Merging hands over every loan and the contact the survivor lacked.
        QVERIFY(MergeBorrowers(cat.connection(), zoe.id, zoi.id));
        list = LoadBorrowers(cat.connection());
        QCOMPARE(list->size(), 2);
        const BorrowerInfo merged = list->at(list->at(0).id == zoi.id ? 0 : 1);
        QCOMPARE(merged.name, QStringLiteral("Ζωή"));
        QCOMPARE(merged.booksNow, 2);
        QCOMPARE(merged.booksEver, 3);
        QCOMPARE(merged.contact, QStringLiteral("zoe@example.org, +39 06 1234"));

        // Only a borrower without loans can go; the engine refuses too.
        recorder.clear();
        QVERIFY(!DeleteBorrower(cat.connection(), zoi.id));
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(!cat.connection().execute(
            QStringLiteral("DELETE FROM borrower WHERE BorrowerID=%1").arg(zoi.id)));
        QVERIFY(DeleteBorrower(cat.connection(), *unused));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM borrower"), 1);
    }

    // Before the upgrade (a read-only catalogue of an earlier version stays
    // so): no loans, empty loan lists, and the list and search still work.
    void catalogueWithoutLoanTables_hasNoLoans()
    {
        SKIP_ON_SERVER("server catalogues are made whole");
        RecordingMessenger recorder;
        TestCatalog cat;
        addBook(cat, 1, "Ἰλιάς");
        cat.exec("DROP TABLE loan");
        cat.exec("DROP TABLE borrower");
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), OnLoanCategory, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 0);
        QCOMPARE(LoadBookListRows(cat.connection(), AllBooksCategory, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(LoansOfBook(cat.connection(), 1)->size(), 0);
        QCOMPARE(OverdueLoanCount(cat.connection(), QDate(2030, 1, 1)), 0);
        QVERIFY(BooksOut(cat.connection(), {1}).isEmpty());
        QCOMPARE(RunBasicSearch(cat.connection(), "ἰλιάς", true, true), std::optional<int>(1));
        QVERIFY(recorder.messages.isEmpty());
    }

    // A catalogue of an earlier version gets the loan tables, exactly as new
    // catalogues have them, and keeps every byte of what it held.
    void olderCatalogue_getsLoanTables_keepsItsData()
    {
        SKIP_ON_SERVER("server catalogues are made whole");
        TestCatalog cat;
        TestCatalog fresh;
        const QStringList templateSchema = schemaOf(fresh, kLoanObjects);
        QCOMPARE(templateSchema.size(), 6);

        cat.exec("DROP TABLE loan");
        cat.exec("DROP TABLE borrower");
        cat.exec("INSERT INTO book (BookID, Title, Author, ListPrice, ReleaseDate, Notes) VALUES "
                 "(1, 'Ἰλιάς', 'Όμηρος', 12.5, '2001-02-03', X'00FF')");
        cat.exec(
            "INSERT INTO book (BookID, Title, Author) VALUES (4294967297, '红楼梦', 'Cao Xueqin 曹雪芹')");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Романы', 1)");
        cat.exec("INSERT INTO book_category VALUES (1, 32)");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (1, 1, 'Café', '/tmp/x')");
        const QStringList tables{"book",          "category",   "book_category", "link",
                                 "bookpublisher", "bookstatus", "bookbinding",   "booklanguage"};
        const QStringList before = allRows(cat, tables);
        QVERIFY(!before.isEmpty());
        QVERIFY(!HasLoanTables(cat.connection()));

        RecordingMessenger recorder;
        {
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
        }
        QVERIFY(recorder.messages.isEmpty());
        QVERIFY(HasLoanTables(cat.connection()));
        QCOMPARE(schemaOf(cat, kLoanObjects), templateSchema);
        QCOMPARE(allRows(cat, tables), before);

        // The stock shell works on the file: loans go in and are checked.
        if (QStandardPaths::findExecutable("sqlite3").isEmpty())
            QSKIP("no sqlite3 shell");
        QString out;
        QVERIFY(runShell(cat.path(),
                         "PRAGMA foreign_keys=ON; INSERT INTO borrower (Name) VALUES ('Ana'); "
                         "INSERT INTO loan (BookID, BorrowerID, LoanDate) VALUES (1, 1, '2025-05-05'); "
                         "PRAGMA integrity_check; SELECT COUNT(*) FROM loan;",
                         &out));
        QCOMPARE(out, QStringLiteral("ok\n1"));
        QVERIFY(!runShell(cat.path(), "PRAGMA foreign_keys=ON; DELETE FROM borrower;"));
    }
};

QTEST_GUILESS_MAIN(LoansTest)
#include "loans_test.moc"
