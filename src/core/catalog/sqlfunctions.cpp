#include "sqlfunctions.h"

#include "unicodetext.h"

#include <QList>
#include <QString>
#include <sqlite3.h>
#include <string>

namespace {

// The compiled pattern lives as the statement's auxiliary data of argument 0,
// so a search over many rows compiles its pattern once.
struct CompiledPattern
{
    std::u32string pattern;
    std::u32string buffer;
};

void deleteCompiled(void *p)
{
    delete static_cast<CompiledPattern *>(p);
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

    auto *compiled = static_cast<CompiledPattern *>(sqlite3_get_auxdata(ctx, 0));
    if (!compiled) {
        compiled = new CompiledPattern;
        const char *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
        CompileLikePattern(p, sqlite3_value_bytes(argv[0]), escape, ignoreAccents, compiled->pattern);
        sqlite3_set_auxdata(ctx, 0, compiled, deleteCompiled);
        // SQLite may drop the data at once (a pattern that is not a
        // constant); then it is fetched and compiled again for the next row.
        compiled = static_cast<CompiledPattern *>(sqlite3_get_auxdata(ctx, 0));
        if (!compiled) {
            CompiledPattern local;
            CompileLikePattern(p, sqlite3_value_bytes(argv[0]), escape, ignoreAccents, local.pattern);
            const char *t = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
            sqlite3_result_int(ctx, UnicodeLikeCompiled(local.pattern, t, sqlite3_value_bytes(argv[1]),
                                                        ignoreAccents, local.buffer));
            return;
        }
    }
    const char *t = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, UnicodeLikeCompiled(compiled->pattern, t, sqlite3_value_bytes(argv[1]),
                                                ignoreAccents, compiled->buffer));
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
           sqlite3_create_function(db, "lower", 1, flags, nullptr, lowerFunction, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "upper", 1, flags, nullptr, upperFunction, nullptr, nullptr) ==
               SQLITE_OK;
}
