#include "sqlfunctions.h"

#include "likematcher.h"

#include <QList>
#include <QString>
#include <sqlite3.h>
#include <memory>
#include <string>

namespace {

// The matcher lives as the statement's auxiliary data of argument 0, so a
// search over many rows compiles its pattern once.
void deleteMatcher(void *p)
{
    delete static_cast<LikeMatcher *>(p);
}

void likeImpl(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool ignoreAccents)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL, as the built-in LIKE gives
    char32_t escape = 0;
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL)
            return;
        const QString e = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[2])),
                                            sqlite3_value_bytes(argv[2]));
        const QList<uint> ucs4 = e.toUcs4();
        if (ucs4.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = ucs4.constFirst();
    }

    const char *t = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    const int tBytes = sqlite3_value_bytes(argv[1]);
    if (auto *matcher = static_cast<LikeMatcher *>(sqlite3_get_auxdata(ctx, 0))) {
        sqlite3_result_int(ctx, matcher->matches(t, tBytes));
        return;
    }
    const char *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    auto *matcher = new LikeMatcher(p, sqlite3_value_bytes(argv[0]), escape, ignoreAccents);
    sqlite3_result_int(ctx, matcher->matches(t, tBytes));
    // SQLite may drop the matcher at once (a pattern that is not a constant);
    // it is made again for the next row then.
    sqlite3_set_auxdata(ctx, 0, matcher, deleteMatcher);
}

// pattern, text1, text2, ...: 1 when any text matches, as a chain of LIKEs
// joined by OR would say in a WHERE clause, at the cost of one call per row.
void likeAnyImpl(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool ignoreAccents)
{
    if (argc < 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    auto *matcher = static_cast<LikeMatcher *>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<LikeMatcher> own;
    if (!matcher) {
        const char *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
        own = std::make_unique<LikeMatcher>(p, sqlite3_value_bytes(argv[0]), 0, ignoreAccents);
        matcher = own.get();
    }
    bool found = false;
    for (int i = 1; i < argc && !found; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            continue;
        const char *t = reinterpret_cast<const char *>(sqlite3_value_text(argv[i]));
        found = matcher->matches(t, sqlite3_value_bytes(argv[i]));
    }
    sqlite3_result_int(ctx, found);
    if (own)
        sqlite3_set_auxdata(ctx, 0, own.release(), deleteMatcher);
}

void likeAnyFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    likeAnyImpl(ctx, argc, argv, false);
}

void unaccentedLikeAnyFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    likeAnyImpl(ctx, argc, argv, true);
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    likeImpl(ctx, argc, argv, false);
}

void unaccentedLikeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    likeImpl(ctx, argc, argv, true);
}

void caseFunction(sqlite3_context *ctx, sqlite3_value **argv, bool upper)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[0])),
                                           sqlite3_value_bytes(argv[0]));
    const QByteArray result = (upper ? text.toUpper() : text.toLower()).toUtf8();
    sqlite3_result_text(ctx, result.constData(), int(result.size()), SQLITE_TRANSIENT);
}

void lowerFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    caseFunction(ctx, argv, false);
}

void upperFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    caseFunction(ctx, argv, true);
}

} // namespace

bool RegisterSqlFunctions(sqlite3 *db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "unaccented_like", 2, flags, nullptr, unaccentedLikeFunction, nullptr,
                                   nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "like_any", -1, flags, nullptr, likeAnyFunction, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "unaccented_like_any", -1, flags, nullptr, unaccentedLikeAnyFunction,
                                   nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function(db, "lower", 1, flags, nullptr, lowerFunction, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "upper", 1, flags, nullptr, upperFunction, nullptr, nullptr) ==
               SQLITE_OK;
}
