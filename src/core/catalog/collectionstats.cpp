#include "collectionstats.h"

#include "authornames.h"
#include "booklistquery.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "seriesschema.h"
#include "typednumber.h"

#include <QHash>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <functional>

namespace {

const char kScopeTable[] = "temp.ordo_stats_scope";
// Between the text prices of a group (a control character no price holds).
constexpr int kPriceSeparator = 31;

// The few statements run here, read a row at a time; what is only counted
// is read as numbers straight from the row.
class Query
{
public:
    Query(Connection &connection, const QString &sql)
    {
        DbError error;
        if (!m_rows.open(connection, sql, &error))
            m_error = error.message;
    }
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    // Next row; false at the end or on an error (then error() says which).
    bool next()
    {
        if (!m_rows.isOpen())
            return false;
        if (m_first) {
            m_first = false;
            return !m_rows.isEOF();
        }
        DbError error;
        if (!m_rows.moveNext(&error) && error.isSet())
            m_error = error.message;
        return !m_rows.isEOF();
    }
    QString text(int column) const { return QString::fromUtf8(m_rows.fieldUtf8(column)); }
    bool isNull(int column) const { return m_rows.field(column).isNull(); }
    qint64 integer(int column) const { return m_rows.int64Field(column); }
    double real(int column) const { return m_rows.field(column).toDouble(); }
    const QString &error() const { return m_error; }

private:
    Recordset m_rows;
    bool m_first = true;
    QString m_error;
};

// Counts under labels that differ only in letter case (in any script) or
// surrounding blanks fall together; the first spelling met is shown.
class Tally
{
public:
    void add(const QString &label, qint64 count)
    {
        const QString shown = label.trimmed();
        const QString key = shown.toCaseFolded();
        auto it = m_index.constFind(key);
        if (it == m_index.cend()) {
            m_index.insert(key, int(m_rows.size()));
            m_rows.append({shown, count});
        } else {
            m_rows[*it].count += count;
        }
    }
    int size() const { return int(m_rows.size()); }
    StatsSeries byCount(int limit = -1) const
    {
        StatsSeries rows = m_rows;
        std::sort(rows.begin(), rows.end(), [](const StatsCount &a, const StatsCount &b) {
            return a.count != b.count ? a.count > b.count : a.label < b.label;
        });
        if (limit >= 0 && rows.size() > limit)
            rows.resize(limit);
        return rows;
    }
    StatsSeries byLabel() const
    {
        StatsSeries rows = m_rows;
        std::sort(rows.begin(), rows.end(),
                  [](const StatsCount &a, const StatsCount &b) { return a.label < b.label; });
        return rows;
    }

private:
    StatsSeries m_rows;
    QHash<QString, int> m_index;
};

class StatsRun
{
public:
    StatsRun(Connection &connection, const StatsScope &scope, const std::atomic_bool *cancel)
        : m_connection(connection), m_scope(scope), m_cancel(cancel)
    {
    }
    CollectionStats run(StatsPart part);

private:
    bool fail(const QString &error)
    {
        if (m_result.error.isEmpty())
            m_result.error = error;
        return false;
    }
    bool cancelled() const { return m_cancel && m_cancel->load(); }
    bool exec(const QString &sql)
    {
        m_result.statements << sql;
        Query q(m_connection, sql);
        while (q.next()) {
        }
        return q.error().isEmpty() || fail(q.error());
    }
    // Runs sql and hands each row to read; false on an error or a cancel.
    bool each(const QString &sql, const std::function<void(const Query &)> &read)
    {
        if (cancelled())
            return false;
        m_result.statements << sql;
        Query q(m_connection, sql);
        while (q.next())
            read(q);
        return q.error().isEmpty() || fail(q.error());
    }
    // " AND <column> is one of the scope's books", nothing for the whole
    // catalogue.
    QString inScope(const QString &column) const
    {
        return m_whole ? QString()
                       : QStringLiteral(" AND %1 IN (SELECT BookID FROM %2)").arg(column, QLatin1String(kScopeTable));
    }
    bool fillScope();
    static void addTextPrices(QMap<QString, PriceTotal> &totals, const QString &joined);
    bool bookTable();
    bool authors();
    bool publishers();
    bool added();
    bool categories();
    bool readings();
    bool loans();

    Connection &m_connection;
    const StatsScope &m_scope;
    const std::atomic_bool *m_cancel;
    bool m_whole = true;
    CollectionStats m_result;
    QMap<QString, PriceTotal> m_purchase; // by currency
    QMap<QString, PriceTotal> m_list;
};

bool StatsRun::fillScope()
{
    const bool all = m_scope.kind == StatsScope::WholeCatalogue ||
                     (m_scope.kind == StatsScope::Category && m_scope.category == AllBooksCategory);
    m_whole = all;
    if (all)
        return true;
    // A table of the connection's own: a read-only file takes it too.
    if (!exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS ordo_stats_scope (BookID INTEGER PRIMARY KEY)")) ||
        !exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(kScopeTable))))
        return false;
    if (m_scope.kind == StatsScope::Selection) {
        // Numbers only, so they go into the statement as they are.
        constexpr int kPerInsert = 500;
        for (qsizetype first = 0; first < m_scope.books.size(); first += kPerInsert) {
            QStringList values;
            for (qsizetype i = first; i < qMin(first + kPerInsert, m_scope.books.size()); ++i)
                values << QStringLiteral("(%1)").arg(m_scope.books.at(i));
            if (!exec(QStringLiteral("INSERT OR IGNORE INTO %1 (BookID) VALUES %2")
                          .arg(QLatin1String(kScopeTable), values.join(QLatin1Char(',')))))
                return false;
        }
        return true;
    }
    const CategoryId category = m_scope.category;
    if (category == RecycleBinCategory)
        return exec(QStringLiteral("INSERT INTO %1 (BookID) SELECT BookID FROM book WHERE BookID NOT IN "
                                   "(SELECT BookID FROM book_category)")
                        .arg(QLatin1String(kScopeTable)));
    if (IsLoanCategory(category)) {
        if (!HasLoanTables(m_connection))
            return true; // no loans: no books
        return exec(QStringLiteral("INSERT OR IGNORE INTO %1 (BookID) SELECT BookID FROM loan WHERE ReturnDate "
                                   "IS NULL AND Direction = %2")
                        .arg(QLatin1String(kScopeTable))
                        .arg(category == OnLoanCategory ? 0 : 1));
    }
    // The category and every one below it; UNION stops a loop in a damaged
    // tree from running forever.
    return exec(QStringLiteral("WITH RECURSIVE sub(id) AS (SELECT CatID FROM category WHERE CatID = %2 UNION SELECT c.CatID FROM category c "
                               "JOIN sub ON c.ParentID = sub.id) "
                               "INSERT OR IGNORE INTO %1 (BookID) SELECT BookID FROM book_category "
                               "WHERE CatID IN (SELECT id FROM sub) AND BookID IN (SELECT BookID FROM book)")
                    .arg(QLatin1String(kScopeTable))
                    .arg(category));
}

void StatsRun::addTextPrices(QMap<QString, PriceTotal> &totals, const QString &joined)
{
    // The amount without its currency, which the price reader may not know.
    static const QRegularExpression notNumber(QStringLiteral("[^0-9.,+\\-\\s]"));
    for (const QString &text : joined.split(QChar(kPriceSeparator), Qt::SkipEmptyParts)) {
        QString number = text;
        number.remove(notNumber);
        const std::optional<QString> amount = ParsePriceText(number, QLocale::c());
        if (!amount || amount->isEmpty())
            continue; // no price in it: nothing to add
        const QString currency = PriceCurrency(text);
        PriceTotal &total = totals[currency];
        total.currency = currency;
        total.amount += amount->toDouble();
        ++total.books;
    }
}

bool StatsRun::bookTable()
{
    // The one pass over the book table (its rows hold the long descriptions,
    // so each pass costs): grouped by language, binding and decade, with the
    // totals of each group; the few groups are then named and added up.
    // Prices the engine took as numbers are summed; those kept as text (with
    // a currency) come joined, to be read apart.
    Tally languages;
    Tally bindings;
    QMap<int, qint64> decades;
    const bool ok = each(
        QStringLiteral(
            "SELECT (SELECT Name FROM booklanguage WHERE LanguageID = g.l), "
            "(SELECT Name FROM bookbinding WHERE BindingID = g.b), g.* FROM "
            "(SELECT LanguageID AS l, BindingID AS b, CASE WHEN ReleaseDate GLOB '[0-9][0-9][0-9][0-9]*' THEN "
            "substr(ReleaseDate, 1, 3) END AS d, COUNT(*), "
            "SUM(CASE WHEN typeof(PageCount) = 'integer' THEN PageCount END), "
            "TOTAL(CASE WHEN typeof(PurchasePrice) IN ('integer', 'real') THEN PurchasePrice END), "
            "COUNT(CASE WHEN typeof(PurchasePrice) IN ('integer', 'real') THEN 1 END), "
            "TOTAL(CASE WHEN typeof(ListPrice) IN ('integer', 'real') THEN ListPrice END), "
            "COUNT(CASE WHEN typeof(ListPrice) IN ('integer', 'real') THEN 1 END), "
            "group_concat(CASE WHEN typeof(PurchasePrice) = 'text' THEN PurchasePrice END, char(%2)), "
            "group_concat(CASE WHEN typeof(ListPrice) = 'text' THEN ListPrice END, char(%2)) "
            "FROM book WHERE 1%1 GROUP BY 1, 2, 3) AS g")
            .arg(inScope(QStringLiteral("BookID")))
            .arg(kPriceSeparator),
        [&](const Query &q) {
            const qint64 n = q.integer(5);
            languages.add(q.text(0), n);
            bindings.add(q.text(1), n);
            if (!q.isNull(4))
                decades[q.text(4).toInt() * 10] += n;
            m_result.books += n;
            m_result.pages += q.integer(6);
            const auto addNumbers = [](QMap<QString, PriceTotal> &totals, double amount, qint64 books) {
                if (books == 0)
                    return;
                PriceTotal &total = totals[QString()];
                total.amount += amount;
                total.books += books;
            };
            addNumbers(m_purchase, q.real(7), q.integer(8));
            addNumbers(m_list, q.real(9), q.integer(10));
            addTextPrices(m_purchase, q.text(11));
            addTextPrices(m_list, q.text(12));
        });
    m_result.languages = languages.byCount();
    m_result.bindings = bindings.byCount();
    for (auto it = decades.cbegin(); it != decades.cend(); ++it)
        m_result.decades.append({QString::number(it.key()), it.value()});
    return ok;
}

bool StatsRun::authors()
{
    // Grouped by the whole field in SQL; a field naming several authors
    // then counts the book once for each of them.
    Tally names;
    const bool ok = each(QStringLiteral("SELECT Author, COUNT(*) FROM book WHERE Author IS NOT NULL AND "
                                        "trim(Author) <> ''%1 GROUP BY Author")
                             .arg(inScope(QStringLiteral("BookID"))),
                         [&](const Query &q) {
                             for (const QString &name : SplitAuthorNames(q.text(0)))
                                 names.add(name, q.integer(1));
                         });
    m_result.authors = names.size();
    m_result.topAuthors = names.byCount(CollectionStats::kTopCount);
    return ok;
}

bool StatsRun::publishers()
{
    Tally names;
    const bool ok = each(QStringLiteral("SELECT p.Name, g.n FROM (SELECT PublisherID AS id, COUNT(*) AS n FROM "
                                        "book WHERE PublisherID IS NOT NULL%1 GROUP BY PublisherID) AS g "
                                        "JOIN bookpublisher p ON p.PublisherID = g.id "
                                        "WHERE p.Name IS NOT NULL AND trim(p.Name) <> ''")
                             .arg(inScope(QStringLiteral("BookID"))),
                         [&](const Query &q) { names.add(q.text(0), q.integer(1)); });
    m_result.publishers = names.size();
    m_result.topPublishers = names.byCount(CollectionStats::kTopCount);
    return ok;
}

bool StatsRun::added()
{
    if (!BookTableHasColumn(m_connection, QStringLiteral("DateAdded")))
        return true;
    return each(QStringLiteral("SELECT substr(DateAdded, 1, 4), COUNT(*) FROM book WHERE DateAdded GLOB "
                               "'[0-9][0-9][0-9][0-9]*'%1 GROUP BY 1 ORDER BY 1")
                    .arg(inScope(QStringLiteral("BookID"))),
                [this](const Query &q) { m_result.addedPerYear.append({q.text(0), q.integer(1)}); });
}

bool StatsRun::categories()
{
    // Category names repeat across the tree ("Novels" under two parents):
    // those get their parent's name in front so that each bar is told apart.
    struct Row
    {
        QString name;
        QString parent;
        qint64 count;
    };
    QVector<Row> rows;
    QHash<QString, int> seen;
    const bool ok = each(QStringLiteral("SELECT c.Name, (SELECT Name FROM category WHERE CatID = c.ParentID), "
                                        "g.n FROM (SELECT CatID AS id, COUNT(*) AS n FROM book_category "
                                        "WHERE 1%1 GROUP BY CatID) AS g "
                                        "JOIN category c ON c.CatID = g.id")
                             .arg(inScope(QStringLiteral("BookID"))),
                         [&](const Query &q) {
                             rows.append({q.text(0).trimmed(), q.text(1).trimmed(), q.integer(2)});
                             ++seen[rows.last().name];
                         });
    for (const Row &row : rows) {
        const QString label = seen.value(row.name) > 1 && !row.parent.isEmpty()
                                  ? row.parent + QStringLiteral(" / ") + row.name
                                  : row.name;
        m_result.categories.append({label, row.count});
    }
    std::sort(m_result.categories.begin(), m_result.categories.end(), [](const StatsCount &a, const StatsCount &b) {
        return a.count != b.count ? a.count > b.count : a.label < b.label;
    });
    return ok;
}

bool StatsRun::readings()
{
    if (!CatalogueHasTable(m_connection, QStringLiteral("reading")))
        return true;
    QMap<QString, qint64> months;
    QMap<QString, qint64> years;
    const bool ok = each(QStringLiteral("SELECT substr(Finished, 1, 4), CASE WHEN Finished GLOB "
                                        "'[0-9][0-9][0-9][0-9]-[0-9][0-9]*' THEN substr(Finished, 1, 7) END, "
                                        "COUNT(*) FROM reading WHERE Finished GLOB '[0-9][0-9][0-9][0-9]*'%1 "
                                        "GROUP BY 1, 2")
                             .arg(inScope(QStringLiteral("BookID"))),
                         [&](const Query &q) {
                             years[q.text(0)] += q.integer(2);
                             if (!q.isNull(1))
                                 months[q.text(1)] += q.integer(2);
                         });
    for (auto it = months.cbegin(); it != months.cend(); ++it)
        m_result.readPerMonth.append({it.key(), it.value()});
    for (auto it = years.cbegin(); it != years.cend(); ++it)
        m_result.readPerYear.append({it.key(), it.value()});
    return ok;
}

bool StatsRun::loans()
{
    if (!HasLoanTables(m_connection))
        return true;
    // Lent to them only: a book borrowed from someone is not a loan of ours.
    return each(QStringLiteral("SELECT b.Name, g.n FROM (SELECT BorrowerID AS id, COUNT(*) AS n FROM loan "
                               "WHERE Direction = 0%1 GROUP BY BorrowerID) AS g "
                               "JOIN borrower b ON b.BorrowerID = g.id ORDER BY g.n DESC, b.Name")
                    .arg(inScope(QStringLiteral("BookID"))),
                [this](const Query &q) { m_result.loansPerBorrower.append({q.text(0), q.integer(1)}); });
}

CollectionStats StatsRun::run(StatsPart part)
{
    bool ok = fillScope();
    if (part != StatsPart::Others)
        ok = ok && bookTable();
    if (part != StatsPart::BookTable)
        ok = ok && authors() && publishers() && added() && categories() && readings() && loans();
    if (!m_whole)
        exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(kScopeTable)));
    // The plain numbers first, then the currencies by code.
    for (const PriceTotal &t : std::as_const(m_purchase))
        m_result.purchaseValue.append(t);
    for (const PriceTotal &t : std::as_const(m_list))
        m_result.listValue.append(t);
    m_result.ok = ok && !cancelled();
    if (cancelled())
        m_result.error.clear();
    return m_result;
}

} // namespace

QString PriceCurrency(const QString &price)
{
    QString code;
    for (const QChar c : price) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('-') ||
            c == QLatin1Char('+') || c.isSpace())
            continue;
        code += c;
    }
    code = code.toUpper();
    // The signs that name one currency only are written as its code, so
    // that "€12" and "12 EUR" add up together.
    if (code == QStringLiteral("€"))
        return QStringLiteral("EUR");
    if (code == QStringLiteral("£"))
        return QStringLiteral("GBP");
    if (code == QStringLiteral("US$"))
        return QStringLiteral("USD");
    return code;
}

CollectionStats ComputeCollectionStats(Connection &connection, const StatsScope &scope,
                                       const std::atomic_bool *cancel, StatsPart part)
{
    return StatsRun(connection, scope, cancel).run(part);
}

CollectionStats MergeCollectionStats(CollectionStats bookTable, CollectionStats others)
{
    CollectionStats s = std::move(bookTable);
    s.ok = s.ok && others.ok;
    if (s.error.isEmpty())
        s.error = others.error;
    s.authors = others.authors;
    s.publishers = others.publishers;
    s.topAuthors = std::move(others.topAuthors);
    s.topPublishers = std::move(others.topPublishers);
    s.addedPerYear = std::move(others.addedPerYear);
    s.categories = std::move(others.categories);
    s.readPerMonth = std::move(others.readPerMonth);
    s.readPerYear = std::move(others.readPerYear);
    s.loansPerBorrower = std::move(others.loansPerBorrower);
    s.statements += others.statements;
    return s;
}
