#include "largecatalog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

// Bump when the generated contents change so old cache files are not reused.
constexpr int kGeneratorVersion = 2;

const char *const kTitleWords[] = {
    "Silent",   "Garden",     "Winter",   "River",       "Empire",   "Shadow",   "Light",    "Stone",
    "Machine",  "Letters",    "Journey",  "Ocean",       "History",  "Secret",   "Children", "Night",
    "City",     "Mountain",   "Art",      "Science",     "Practice", "Theory",   "Modern",   "Ancient",
    "Lost",     "Hidden",     "Golden",   "Last",        "First",    "Little",   "Great",    "Broken",
    "Northern", "Southern",   "Glass",    "Iron",        "Memory",   "Language", "Design",   "Patterns",
    "Systems",  "Networks",   "Database", "Programming", "Cooking",  "Travel",   "War",      "Peace",
    "Music",    "Philosophy", "Harbor",   "Island",      "Forest"};
// For descriptions that are not all English: searches must then fold
// accents and other scripts on most rows, not only on a few.
const char *const kWorldWords[] = {"été",      "Ärger",  "naïve",   "Straße",     "corazón", "città",
                                   "История",  "мир",    "Ελλάδα",  "φιλοσοφία", "图书馆",  "花园",
                                   "Þingvellir", "Łódź", "Ñandú",   "Œuvre"};
const char *const kSmallWords[] = {"of", "and", "the", "in", "for", "on", "to", "with"};
const char *const kFirstNames[] = {
    "James",   "Mary",  "John",   "Patricia", "Robert",  "Jennifer", "Michael", "Linda",   "William",
    "Barbara", "David", "Susan",  "Richard",  "Jessica", "Thomas",   "Sarah",   "Charles", "Karen",
    "Daniel",  "Nancy", "Wei",    "Li",       "Hiroshi", "Yuki",     "Pierre",  "Marie",   "Hans",
    "Greta",   "Ana",   "Carlos", "Ivan",     "Olga",    "Ahmed",    "Fatima",  "Lars"};
const char *const kLastNames[] = {"Smith", "Johnson",   "Williams", "Brown",  "Jones",    "Garcia",  "Miller",
                                  "Davis", "Rodriguez", "Martinez", "Wilson", "Anderson", "Taylor",  "Thomas",
                                  "Moore", "Jackson",   "Martin",   "Lee",    "Thompson", "White",   "Harris",
                                  "Clark", "Lewis",     "Walker",   "Hall",   "Young",    "King",    "Wright",
                                  "Zhang", "Wang",      "Tanaka",   "Suzuki", "Dubois",   "Schmidt", "Rossi",
                                  "Novak", "Petrov",    "Haddad",   "Larsen", "O'Brien",  "D'Angelo"};
const char *const kPublisherWords[] = {"Harbor",  "Finch",   "Oak",     "Lantern", "Meridian",
                                       "Summit",  "Beacon",  "Cedar",   "Atlas",   "Quill",
                                       "Granite", "Willow",  "Orchard", "Falcon",  "Crown",
                                       "Thistle", "Juniper", "Aurora",  "Compass", "Heron"};
const char *const kPublisherKinds[] = {"Press",  "Books", "Publishing",      "House",
                                       "& Sons", "Media", "University Press"};
const char *const kEditions[] = {"",           "", "", "1st", "2nd", "3rd Edition", "Revised", "Illustrated",
                                 "Anniversary"};
const char *const kLanguages[] = {"French", "German", "Spanish", "Italian", "Japanese", "Russian"};
const char *const kBindings[] = {"Mass Market Paperback", "Library Binding", "Board book", "Spiral-bound"};
const char *const kExtras[] = {"CD-ROM", "DVD", "Audio CD", "Map", "Poster"};
const char *const kFormats[] = {"Print", "Large Print", "PDF", "EPUB", "Audio"};

double cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

template <typename T, size_t N> constexpr int countOf(const T (&)[N])
{
    return int(N);
}

class Generator
{
public:
    Generator(sqlite3 *db, const LargeCatalogOptions &options)
        : m_db(db), m_options(options), m_rng(options.seed)
    {
    }

    bool run();
    QString error() const { return m_error; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    template <typename T, size_t N> const char *word(const T (&words)[N]) { return words[pick(int(N))]; }

    bool exec(const char *sql);
    sqlite3_stmt *prepare(const char *sql);
    bool step(sqlite3_stmt *stmt);
    bool fillLookup(const char *table, const char *idColumn, int firstId,
                    const std::vector<std::string> &names);
    bool fillCategories();
    bool fillBooks();

    std::string title();
    std::string author();
    std::string isbn(int n);
    std::string date(int firstYear, int lastYear);
    std::string description(const std::string &title);

    sqlite3 *m_db;
    LargeCatalogOptions m_options;
    std::mt19937 m_rng;
    QString m_error;
    std::vector<int> m_categories;
    int m_locations = 30;
    int m_stores = 20;
};

bool Generator::exec(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    m_error = QString::fromUtf8(sql) + QLatin1Char('\n') + QString::fromUtf8(message);
    sqlite3_free(message);
    return false;
}

sqlite3_stmt *Generator::prepare(const char *sql)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        m_error = QString::fromUtf8(sql) + QLatin1Char('\n') + QString::fromUtf8(sqlite3_errmsg(m_db));
    return stmt;
}

bool Generator::step(sqlite3_stmt *stmt)
{
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc == SQLITE_DONE)
        return true;
    m_error =
        QString::fromUtf8(sqlite3_sql(stmt)) + QLatin1Char('\n') + QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

bool Generator::fillLookup(const char *table, const char *idColumn, int firstId,
                           const std::vector<std::string> &names)
{
    const std::string sql = std::string("INSERT INTO ") + table + " (" + idColumn + ", Name) VALUES (?, ?)";
    sqlite3_stmt *stmt = prepare(sql.c_str());
    if (!stmt)
        return false;
    bool ok = true;
    for (size_t i = 0; ok && i < names.size(); ++i) {
        sqlite3_bind_int(stmt, 1, firstId + int(i));
        sqlite3_bind_text(stmt, 2, names[i].c_str(), -1, SQLITE_TRANSIENT);
        ok = step(stmt);
    }
    sqlite3_finalize(stmt);
    return ok;
}

bool Generator::fillCategories()
{
    sqlite3_stmt *stmt = prepare("INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (?, ?, ?, ?)");
    if (!stmt)
        return false;
    bool ok = true;
    for (int i = 0; ok && i < m_options.userCategories; ++i) {
        const int id = 32 + i;
        // The first dozen hang under the root; later ones nest under an earlier one a third of the time.
        const int parent = (i < 12 || !chance(0.35)) ? 1 : 32 + pick(i);
        const std::string name = std::string(word(kTitleWords)) + " " + word(kTitleWords);
        sqlite3_bind_int(stmt, 1, id);
        sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 3, parent);
        if (chance(0.2))
            sqlite3_bind_text(stmt, 4, "Books I keep coming back to.", -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(stmt, 4);
        ok = step(stmt);
        m_categories.push_back(id);
    }
    sqlite3_finalize(stmt);
    // Books also live in the root collection, Favorites and the Reading List.
    m_categories.push_back(1);
    m_categories.push_back(2);
    m_categories.push_back(4);
    return ok;
}

std::string Generator::title()
{
    std::string t = chance(0.4) ? "The " : "";
    const int words = 1 + pick(5);
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            t += (chance(0.3) ? std::string(" ") + word(kSmallWords) + " " : std::string(" "));
        t += word(kTitleWords);
    }
    return t;
}

std::string Generator::author()
{
    std::string a = std::string(word(kFirstNames)) + " " + word(kLastNames);
    if (chance(0.15))
        a += std::string(", ") + word(kFirstNames) + " " + word(kLastNames);
    return a;
}

// A valid ISBN-10 made from the book number.
std::string Generator::isbn(int n)
{
    char digits[12];
    std::snprintf(digits, sizeof digits, "%09d", (n * 7919 + 100003) % 1000000000);
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * (digits[i] - '0');
    const int check = (11 - sum % 11) % 11;
    digits[9] = check == 10 ? 'X' : char('0' + check);
    digits[10] = 0;
    return digits;
}

// ISO text, the form the catalogue stores dates in.
std::string Generator::date(int firstYear, int lastYear)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", firstYear + pick(lastYear - firstYear + 1),
                  1 + pick(12), 1 + pick(28));
    return text;
}

std::string Generator::description(const std::string &title)
{
    std::string d = "<p><b>" + title + "</b> is a ";
    while (d.size() < 1000) {
        d += m_options.mixedScripts && pick(6) == 0 ? word(kWorldWords) : word(kTitleWords);
        d += ' ';
        d += word(kSmallWords);
        d += ' ';
        if (pick(12) == 0)
            d += "</p><p>";
    }
    return d + "</p>";
}

bool Generator::fillBooks()
{
    sqlite3_stmt *book = prepare(
        "INSERT INTO book (BookID,Title,Subtitle,URL,Author,Edition,PublisherID,ISBN,PageCount,LanguageID,"
        "BindingID,Dimension,ExtrasID,ReleaseDate,PurchaseDate,StoreID,PurchasePrice,ListPrice,AmazonPrice,"
        "CurrentPage,EBookOnly,LocationID,StatusID,AmazonRating,NumOfReviews,MyRating,UserText1,UserText2,"
        "FormatID,BookSize,Description,Notes,FrontCover,BackCover) VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
        "?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    sqlite3_stmt *member = prepare("INSERT INTO book_category (BookID, CatID) VALUES (?, ?)");
    sqlite3_stmt *link =
        prepare("INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (?, ?, ?, ?, ?)");
    bool ok = book && member && link;

    const int languages = 2 + countOf(kLanguages);
    const int bindings = 3 + countOf(kBindings);
    for (int id = 1; ok && id <= m_options.books; ++id) {
        const std::string t = title();
        const std::string code = isbn(id);
        const std::string subtitle = chance(0.4) ? "A " + std::string(word(kTitleWords)) + " Guide" : "";
        const std::string url = "http://books.example.com/detail/" + code;
        const std::string who = author();
        const std::string release = date(1950, 2023);
        const std::string purchase = date(2000, 2024);
        const std::string front = std::to_string(id) + ".jpg";
        const std::string back = std::to_string(id) + "b.jpg";
        const std::string desc = m_options.descriptions ? description(t) : std::string();
        char dimension[48];
        std::snprintf(dimension, sizeof dimension, "%.1f x %.1f x %.1f inches", 7.0 + pick(40) / 10.0,
                      5.0 + pick(30) / 10.0, 0.3 + pick(25) / 10.0);
        const double list = 5.0 + pick(9000) / 100.0;

        int col = 1;
        auto text = [&](const std::string &value) {
            if (value.empty())
                sqlite3_bind_null(book, col++);
            else
                sqlite3_bind_text(book, col++, value.c_str(), int(value.size()), SQLITE_TRANSIENT);
        };
        auto integer = [&](int value, bool present = true) {
            if (present)
                sqlite3_bind_int(book, col++, value);
            else
                sqlite3_bind_null(book, col++);
        };
        auto real = [&](double value, bool present = true) {
            if (present)
                sqlite3_bind_double(book, col++, value);
            else
                sqlite3_bind_null(book, col++);
        };
        integer(id);
        text(t);
        text(subtitle);
        text(url);
        text(who);
        text(word(kEditions));
        integer(1 + pick(m_options.publishers), !chance(0.05));
        text(code);
        integer(64 + pick(900), !chance(0.05));
        integer(chance(0.8) ? 1 : 1 + pick(languages), !chance(0.1));
        integer(1 + pick(bindings), !chance(0.1));
        text(dimension);
        integer(3 + pick(1 + countOf(kExtras)), chance(0.05));
        text(release);
        text(chance(0.7) ? purchase : std::string());
        integer(1 + pick(m_stores), chance(0.6));
        real(cents(list * 0.8), chance(0.6));
        real(list);
        real(cents(list * 0.7), chance(0.8));
        integer(pick(300), chance(0.1));
        integer(chance(0.03) ? 1 : 0);
        integer(1 + pick(m_locations), chance(0.7));
        integer(1 + pick(4), !chance(0.1));
        real(1.0 + pick(41) / 10.0, chance(0.8));
        integer(pick(2000), chance(0.8));
        integer(1 + pick(5), chance(0.3));
        text(chance(0.2) ? "signed copy" : "");
        text("");
        integer(1 + pick(countOf(kFormats)), chance(0.3));
        real(0.2 + pick(30) / 10.0, chance(0.3));
        text(desc);
        text(chance(0.1) ? "<p>Lent to a friend.</p>" : "");
        text(front);
        text(chance(0.2) ? back : std::string());
        ok = step(book);

        // 3% belong nowhere (the Recycle Bin); the rest to one or two categories.
        const int memberships = chance(0.03) ? 0 : (chance(0.3) ? 2 : 1);
        int first = -1;
        for (int m = 0; ok && m < memberships; ++m) {
            int cat = m_categories[pick(int(m_categories.size()))];
            if (cat == first)
                continue;
            first = cat;
            sqlite3_bind_int(member, 1, id);
            sqlite3_bind_int(member, 2, cat);
            ok = step(member);
        }
        const int links = pick(4);
        for (int l = 1; ok && l <= links; ++l) {
            const std::string name = "Review " + std::to_string(l);
            const std::string path = "http://reviews.example.org/" + code + "/" + std::to_string(l);
            sqlite3_bind_int(link, 1, id);
            sqlite3_bind_int(link, 2, l);
            sqlite3_bind_text(link, 3, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(link, 4, path.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_null(link, 5);
            ok = step(link);
        }
    }
    sqlite3_finalize(book);
    sqlite3_finalize(member);
    sqlite3_finalize(link);
    return ok;
}

bool Generator::run()
{
    // A throw-away file being built: no journal, no syncs.
    if (!exec("PRAGMA journal_mode=OFF") || !exec("PRAGMA synchronous=OFF") || !exec("BEGIN"))
        return false;

    std::vector<std::string> names;
    for (int i = 0; i < m_options.publishers; ++i) {
        std::string name = std::string(word(kPublisherWords)) + " " + word(kPublisherKinds);
        if (i >= countOf(kPublisherWords))
            name = std::string(word(kPublisherWords)) + " " + word(kPublisherWords) + " " +
                   word(kPublisherKinds) + " " + std::to_string(i);
        names.push_back(name);
    }
    bool ok = fillLookup("bookpublisher", "PublisherID", 1, names);
    ok = ok && fillLookup("booklanguage", "LanguageID", 3, {std::begin(kLanguages), std::end(kLanguages)});
    ok = ok && fillLookup("bookbinding", "BindingID", 4, {std::begin(kBindings), std::end(kBindings)});
    ok = ok && fillLookup("bookextras", "ExtrasID", 4, {std::begin(kExtras), std::end(kExtras)});
    ok = ok && fillLookup("bookformat", "FormatID", 1, {std::begin(kFormats), std::end(kFormats)});
    names.clear();
    for (int i = 1; i <= m_stores; ++i)
        names.push_back(std::string(word(kLastNames)) + "'s Bookshop " + std::to_string(i));
    ok = ok && fillLookup("bookstore", "StoreID", 1, names);
    names.clear();
    for (int i = 1; i <= m_locations; ++i)
        names.push_back("Shelf " + std::to_string(i));
    ok = ok && fillLookup("booklocation", "LocationID", 1, names);
    ok = ok && fillCategories() && fillBooks();
    if (!ok) {
        exec("ROLLBACK");
        return false;
    }
    // Leave the file as a normal catalogue: rollback journal, full syncs.
    return exec("COMMIT") && exec("PRAGMA journal_mode=DELETE");
}

QString cacheFolder()
{
    return QDir::tempPath() + QStringLiteral("/ordo-bench-cache");
}

QString templatePath()
{
    return QStringLiteral(ORDO_BENCH_APPDIR "/ordo.dbt");
}

void complain(const QString &text)
{
    QTextStream(stderr) << "large catalogue: " << text << '\n';
}

} // namespace

QString LargeCatalogCachePath(const LargeCatalogOptions &options)
{
    QFile templ(templatePath());
    if (!templ.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read the template %1").arg(templatePath()));
        return {};
    }
    const QByteArray schema =
        QCryptographicHash::hash(templ.readAll(), QCryptographicHash::Sha1).toHex().left(10);
    const QString name = QStringLiteral("large-v%1-%2books-%3-p%4-c%5-s%6-%7.mdb")
                             .arg(kGeneratorVersion)
                             .arg(options.books)
                             .arg(!options.descriptions  ? QStringLiteral("nodesc")
                                  : options.mixedScripts ? QStringLiteral("desc-mixed")
                                                         : QStringLiteral("desc"))
                             .arg(options.publishers)
                             .arg(options.userCategories)
                             .arg(options.seed)
                             .arg(QString::fromLatin1(schema));
    const QString path = cacheFolder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path))
        return path;

    QDir().mkpath(cacheFolder());
    // Built under a private name and renamed, so a run that stops half way
    // or two runs at once never leave a half-filled file under the real name.
    const QString building = path + QStringLiteral(".%1.building").arg(QCoreApplication::applicationPid());
    QFile::remove(building);
    if (!QFile::copy(templatePath(), building)) {
        complain(QStringLiteral("cannot copy the template to %1").arg(building));
        return {};
    }
    QFile::setPermissions(building, QFile::ReadOwner | QFile::WriteOwner);

    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(building).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
              SQLITE_OK;
    QString error = ok ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    if (ok) {
        Generator generator(db, options);
        ok = generator.run();
        error = generator.error();
    }
    sqlite3_close_v2(db);
    if (!ok || !QFile::rename(building, path)) {
        QFile::remove(building);
        if (QFileInfo::exists(path)) // another run finished first
            return path;
        complain(error.isEmpty() ? QStringLiteral("cannot create %1").arg(path) : error);
        return {};
    }
    return path;
}

QString CreateLargeCatalog(const QString &dir, const LargeCatalogOptions &options)
{
    const QString cached = LargeCatalogCachePath(options);
    if (cached.isEmpty())
        return {};
    const QString path = dir + QStringLiteral("/large.mdb");
    QFile::remove(path);
    if (!QFile::copy(cached, path)) {
        complain(QStringLiteral("cannot copy %1 to %2").arg(cached, path));
        return {};
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QDir().mkpath(dir + QStringLiteral("/large_images"));
    return path;
}

QString CreateLargeCatalog(const QString &dir, int books, bool descriptions)
{
    LargeCatalogOptions options;
    options.books = books;
    options.descriptions = descriptions;
    return CreateLargeCatalog(dir, options);
}

bool PlantWordInDescriptions(const QString &path, const QString &word, int every)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    // In the middle of the text, where a search has to read half of it first.
    const QByteArray sql = QStringLiteral("UPDATE book SET Description = substr(Description, 1, 400) || ' %1 ' || "
                                          "substr(Description, 401) WHERE BookID % %2 = 0")
                               .arg(word)
                               .arg(every)
                               .toUtf8();
    char *message = nullptr;
    ok = ok && sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok)
        complain(QString::fromUtf8(message ? message : sqlite3_errmsg(db)));
    sqlite3_free(message);
    sqlite3_close_v2(db);
    return ok;
}
