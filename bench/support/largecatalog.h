#pragma once

#include <QString>

// What a generated benchmark catalogue holds. The same options always give
// the same catalogue (fixed random seed), so results compare across runs.
struct LargeCatalogOptions
{
    int books = 100000;
    // About 1 KB of HTML description per book (off: no descriptions).
    bool descriptions = false;
    // One word in six of the descriptions in another language or script
    // (accented Latin, Cyrillic, Greek, Chinese); off: English only.
    bool mixedScripts = false;
    int publishers = 300;
    int userCategories = 40; // ids from 32; about a third nested in others
    unsigned seed = 1;
};

// A catalogue copied from the built template (ORDO_BENCH_APPDIR/ordo.dbt)
// and filled with options.books books: realistic titles, authors, ISBNs,
// editions, dates and prices; a few hundred publishers and rows in every
// other lookup table; user categories, some nested; each book in one or two
// categories, about 3% in none; 0 to 3 links per book; FrontCover "%d.jpg"
// on every book and BackCover "%db.jpg" on some, with no picture files.
//
// The file is generated once and cached in the temporary folder under a name
// made of the options and the template's contents; later calls reuse it.
// Returns the cached file's path, empty on failure (reported on stderr).
// The cached file is shared between runs: only read it. Benches that write
// use CreateLargeCatalog.
QString LargeCatalogCachePath(const LargeCatalogOptions &options = {});

// A private, writable copy of the cached catalogue as dir + "/large.mdb",
// with its empty images folder dir + "/large_images". Returns the copy's
// path, empty on failure.
QString CreateLargeCatalog(const QString &dir, const LargeCatalogOptions &options = {});
QString CreateLargeCatalog(const QString &dir, int books, bool descriptions = false);

// Writes word into the description of every book whose id is a multiple of
// every (a word the generator never writes, for searches to find).
bool PlantWordInDescriptions(const QString &path, const QString &word, int every);
