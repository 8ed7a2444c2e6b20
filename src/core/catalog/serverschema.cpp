#include "serverschema.h"

#include "connection.h"
#include "pgdialect.h"
#include "recordset.h"

#include <QStringList>
#include <utility>

namespace {

// Text columns compare without regard to case (citext), as in a catalogue
// file; yes/no, money and day columns keep the file's kinds through domains
// that the program reads back by name.
const char *const kTables = R"SQL(
CREATE DOMAIN yesno AS integer;
CREATE DOMAIN currency AS double precision;
CREATE DOMAIN ordo_date AS text;

CREATE TABLE ordo_meta (Key text PRIMARY KEY, Value text);

CREATE TABLE bookpublisher (PublisherID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookpublisher_name ON bookpublisher(Name);
CREATE TABLE booklanguage (LanguageID bigint PRIMARY KEY, Name citext);
CREATE INDEX booklanguage_name ON booklanguage(Name);
CREATE TABLE bookbinding (BindingID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookbinding_name ON bookbinding(Name);
CREATE TABLE bookextras (ExtrasID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookextras_name ON bookextras(Name);
CREATE TABLE bookstore (StoreID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookstore_name ON bookstore(Name);
CREATE TABLE booklocation (LocationID bigint PRIMARY KEY, Name citext);
CREATE INDEX booklocation_name ON booklocation(Name);
CREATE TABLE bookstatus (StatusID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookstatus_name ON bookstatus(Name);
CREATE TABLE bookformat (FormatID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookformat_name ON bookformat(Name);
CREATE TABLE bookseries (SeriesID bigint PRIMARY KEY, Name citext);
CREATE INDEX bookseries_name ON bookseries(Name);

CREATE TABLE category (
  CatID bigint PRIMARY KEY,
  Name citext,
  ParentID bigint REFERENCES category(CatID) ON DELETE CASCADE,
  Notes citext,
  OperationDate ordo_date DEFAULT to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS')
);
CREATE INDEX category_parent ON category(ParentID);

CREATE TABLE book (
  BookID bigint PRIMARY KEY,
  Title citext, Subtitle citext, URL citext, Author citext, Edition citext,
  PublisherID bigint, ISBN citext, PageCount bigint, LanguageID bigint, BindingID bigint,
  Dimension citext, ExtrasID bigint, ReleaseDate ordo_date, PurchaseDate ordo_date, StoreID bigint,
  PurchasePrice currency, ListPrice currency, AmazonPrice currency, CurrentPage bigint,
  EBookOnly yesno NOT NULL DEFAULT 0, LocationID bigint, StatusID bigint, AmazonRating double precision,
  NumOfReviews bigint, MyRating bigint, UserText1 citext, UserText2 citext, FormatID bigint,
  BookSize double precision, Description citext, Notes citext, FrontCover citext, BackCover citext,
  DateAdded ordo_date, SeriesID bigint, SeriesNumber citext
);
CREATE INDEX book_series ON book(SeriesID);
CREATE INDEX book_rows ON book(Title, BookID, Author, PublisherID, ISBN, Edition, DateAdded);

CREATE TABLE book_category (
  BookID bigint NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  CatID bigint NOT NULL REFERENCES category(CatID) ON DELETE CASCADE,
  PRIMARY KEY (BookID, CatID)
);
CREATE INDEX book_category_cat ON book_category(CatID, BookID);

CREATE TABLE reading (
  BookID bigint NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  ReadingID bigint NOT NULL,
  Started ordo_date, Finished ordo_date,
  Completed yesno NOT NULL DEFAULT 0,
  Notes citext,
  PRIMARY KEY (BookID, ReadingID)
);

CREATE TABLE link (
  BookID bigint NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  LinkID bigint NOT NULL,
  Name citext, Path citext, Notes citext,
  PRIMARY KEY (BookID, LinkID)
);

CREATE TABLE borrower (
  BorrowerID bigint PRIMARY KEY,
  Name citext NOT NULL UNIQUE,
  Contact citext, Notes citext
);

CREATE TABLE loan (
  LoanID bigint PRIMARY KEY,
  BookID bigint NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  BorrowerID bigint NOT NULL REFERENCES borrower(BorrowerID) ON DELETE RESTRICT,
  Direction bigint NOT NULL DEFAULT 0 CHECK (Direction IN (0, 1)),
  LoanDate ordo_date NOT NULL, DueDate ordo_date, ReturnDate ordo_date,
  Note citext
);
CREATE INDEX loan_book ON loan(BookID, LoanDate);
CREATE INDEX loan_borrower ON loan(BorrowerID);
CREATE UNIQUE INDEX loan_open ON loan(BookID) WHERE ReturnDate IS NULL;
CREATE INDEX loan_current ON loan(Direction, BookID, BorrowerID, DueDate) WHERE ReturnDate IS NULL;

-- Cover pictures: the computers that share a catalogue share no folder.
CREATE TABLE picture (Name citext PRIMARY KEY, Data bytea NOT NULL);

-- Who saved each book last, and how often it was written: a save compares
-- the version it loaded with this one and never overwrites unseen edits.
-- Not tied to book, so that a deletion leaves its trace.
CREATE TABLE book_version (
  BookID bigint PRIMARY KEY,
  Version bigint NOT NULL DEFAULT 1,
  ChangedBy text NOT NULL DEFAULT session_user,
  ChangedAt timestamptz NOT NULL DEFAULT now(),
  Deleted yesno NOT NULL DEFAULT 0
);

-- Counts changes for readers that ask whether anything changed.
CREATE SEQUENCE ordo_changes;
)SQL";

const char *const kFunctions = R"SQL(
-- 'Jan 05, 2004' and 'Jan 5, 2004' become 2004-01-05; other text stays.
CREATE FUNCTION ordo_iso_day(day text) RETURNS text LANGUAGE sql IMMUTABLE AS $f$
  SELECT CASE WHEN day ~ '^[A-Za-z]{3} [0-9]{1,2}, [0-9]{4}$'
              AND strpos('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(day, 1, 3))) % 3 = 1
         THEN substring(day from '[0-9]{4}$') || '-' ||
              lpad(((strpos('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(day, 1, 3))) + 2) / 3)::text, 2, '0')
              || '-' || lpad(substring(day from ' ([0-9]{1,2}),'), 2, '0')
         ELSE day END
$f$;

CREATE FUNCTION ordo_book_days() RETURNS trigger LANGUAGE plpgsql AS $f$
BEGIN
  NEW.ReleaseDate := ordo_iso_day(NEW.ReleaseDate);
  NEW.PurchaseDate := ordo_iso_day(NEW.PurchaseDate);
  RETURN NEW;
END $f$;
CREATE TRIGGER book_days BEFORE INSERT OR UPDATE OF ReleaseDate, PurchaseDate ON book
  FOR EACH ROW EXECUTE FUNCTION ordo_book_days();

CREATE FUNCTION ordo_category_day() RETURNS trigger LANGUAGE plpgsql AS $f$
BEGIN
  NEW.OperationDate := ordo_iso_day(NEW.OperationDate);
  RETURN NEW;
END $f$;
CREATE TRIGGER category_day BEFORE INSERT OR UPDATE OF OperationDate ON category
  FOR EACH ROW EXECUTE FUNCTION ordo_category_day();

-- Runs as the catalogue's owner: editors need no rights of their own on the
-- version table or the change counter.
CREATE FUNCTION ordo_book_version() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER AS $f$
DECLARE
  id bigint := CASE WHEN TG_OP = 'DELETE' THEN OLD.BookID ELSE NEW.BookID END;
BEGIN
  INSERT INTO book_version AS v (BookID, Deleted) VALUES (id, CASE WHEN TG_OP = 'DELETE' THEN 1 ELSE 0 END)
    ON CONFLICT (BookID) DO UPDATE SET Version = v.Version + 1, ChangedBy = session_user, ChangedAt = now(),
      Deleted = EXCLUDED.Deleted;
  RETURN NULL;
END $f$;
CREATE TRIGGER book_version AFTER INSERT OR UPDATE OR DELETE ON book
  FOR EACH ROW EXECUTE FUNCTION ordo_book_version();

-- A row added without its number gets the highest plus one, as a file
-- catalogue gives it.
CREATE FUNCTION ordo_next_id() RETURNS trigger LANGUAGE plpgsql AS $f$
DECLARE
  next bigint;
BEGIN
  IF (to_jsonb(NEW) ->> TG_ARGV[0]) IS NULL THEN
    EXECUTE format('SELECT COALESCE(MAX(%I), 0) + 1 FROM %I.%I', TG_ARGV[0], TG_TABLE_SCHEMA, TG_TABLE_NAME)
      INTO next;
    NEW := jsonb_populate_record(NEW, jsonb_build_object(TG_ARGV[0], next));
  END IF;
  RETURN NEW;
END $f$;

-- Tells every other program that has the catalogue open which table changed.
CREATE FUNCTION ordo_notify() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER AS $f$
BEGIN
  PERFORM nextval(format('%I.ordo_changes', TG_TABLE_SCHEMA));
  PERFORM pg_notify('ordoteca', TG_TABLE_SCHEMA || '.' || TG_TABLE_NAME);
  RETURN NULL;
END $f$;

-- What the program's SQL calls on a file catalogue.
CREATE FUNCTION instr(haystack text, needle text) RETURNS integer LANGUAGE sql IMMUTABLE AS
  $f$ SELECT strpos(haystack, needle) $f$;
CREATE FUNCTION typeof(value anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS $f$
  SELECT CASE WHEN value IS NULL THEN 'null'
              WHEN pg_typeof(value) IN ('smallint'::regtype, 'integer'::regtype, 'bigint'::regtype) THEN 'integer'
              WHEN pg_typeof(value) IN ('real'::regtype, 'double precision'::regtype, 'numeric'::regtype) THEN 'real'
              WHEN pg_typeof(value) = 'bytea'::regtype THEN 'blob'
              ELSE 'text' END
$f$;
CREATE FUNCTION ifnull(value anyelement, otherwise anyelement) RETURNS anyelement LANGUAGE sql IMMUTABLE AS
  $f$ SELECT COALESCE(value, otherwise) $f$;
CREATE FUNCTION ordo_total_step(sum double precision, value double precision) RETURNS double precision
  LANGUAGE sql IMMUTABLE AS $f$ SELECT sum + COALESCE(value, 0) $f$;
CREATE AGGREGATE total(double precision) (SFUNC = ordo_total_step, STYPE = double precision, INITCOND = '0');
CREATE AGGREGATE group_concat(text, text) (SFUNC = ordo_concat_step, STYPE = text);
CREATE FUNCTION ordo_concat_any(joined text, value anyelement, separator text) RETURNS text LANGUAGE sql
  IMMUTABLE AS $f$ SELECT ordo_concat_step(joined, value::text, separator) $f$;
CREATE AGGREGATE group_concat(anyelement, text) (SFUNC = ordo_concat_any, STYPE = text);
CREATE FUNCTION ordo_concat_comma(joined text, value anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS
  $f$ SELECT ordo_concat_step(joined, value::text, ',') $f$;
CREATE AGGREGATE group_concat(anyelement) (SFUNC = ordo_concat_comma, STYPE = text);

-- Basic Search: LIKE without regard to case (and accents), over several
-- columns in one call. The pattern's backslashes are plain characters, as on
-- a file catalogue.
CREATE FUNCTION ordo_like(pattern text, value text) RETURNS boolean LANGUAGE sql STABLE AS
  $f$ SELECT value ILIKE pattern ESCAPE '' $f$;
CREATE FUNCTION unaccented_like(pattern text, value text) RETURNS boolean LANGUAGE sql STABLE AS
  $f$ SELECT public.unaccent(value) ILIKE public.unaccent(pattern) ESCAPE '' $f$;
CREATE FUNCTION like_any(pattern text, VARIADIC vals text[]) RETURNS boolean LANGUAGE sql STABLE AS
  $f$ SELECT EXISTS (SELECT 1 FROM unnest(vals) v WHERE v ILIKE pattern ESCAPE '') $f$;
CREATE FUNCTION unaccented_like_any(pattern text, VARIADIC vals text[]) RETURNS boolean LANGUAGE sql STABLE AS
  $f$ SELECT EXISTS (SELECT 1 FROM unnest(vals) v WHERE public.unaccent(v) ILIKE public.unaccent(pattern) ESCAPE '') $f$;
)SQL";

const char *const kConcatStep = R"SQL(
CREATE FUNCTION ordo_concat_step(joined text, value text, separator text) RETURNS text LANGUAGE sql IMMUTABLE AS
  $f$ SELECT CASE WHEN value IS NULL THEN joined WHEN joined IS NULL THEN value ELSE joined || separator || value END $f$;
)SQL";

const char *const kNotifiedTables[] = {"book", "book_category", "category", "link", "reading", "loan",
                                       "borrower", "bookseries", "picture", "bookpublisher", "booklanguage",
                                       "bookbinding", "bookextras", "bookstore", "booklocation", "bookstatus",
                                       "bookformat"};

const std::pair<const char *, const char *> kNumberedTables[] = {
    {"bookpublisher", "publisherid"}, {"booklanguage", "languageid"}, {"bookbinding", "bindingid"},
    {"bookextras", "extrasid"},       {"bookstore", "storeid"},       {"booklocation", "locationid"},
    {"bookstatus", "statusid"},       {"bookformat", "formatid"},     {"bookseries", "seriesid"},
    {"category", "catid"},            {"book", "bookid"},             {"borrower", "borrowerid"},
    {"loan", "loanid"}};

const char *const kFixedRows = R"SQL(
INSERT INTO category (CatID, Name) VALUES (1, 'Book Collection'), (2, 'Favorites'), (3, 'Search Results'),
  (4, 'Reading List');
INSERT INTO bookbinding (BindingID, Name) VALUES (1, 'Hardcover'), (2, 'Paperback'), (3, 'Unknown Binding');
INSERT INTO bookextras (ExtrasID, Name) VALUES (3, 'Floppy Disk');
INSERT INTO booklanguage (LanguageID, Name) VALUES (1, 'English'), (2, 'Chinese');
INSERT INTO bookstatus (StatusID, Name) VALUES (1, 'In Collection'), (2, 'Wish List'), (3, 'Reference Only'),
  (4, 'For Sale');
)SQL";

} // namespace

QStringList ServerSchemaStatements(const QString &schema)
{
    QStringList statements;
    // Trusted extensions: the database's owner may add them.
    statements << QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext WITH SCHEMA public")
               << QStringLiteral("CREATE EXTENSION IF NOT EXISTS unaccent WITH SCHEMA public");
    if (schema != QLatin1String("public"))
        statements << QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(PgIdentifier(schema));
    statements << QStringLiteral("SET LOCAL search_path TO %1, public").arg(PgIdentifier(schema));
    statements << QString::fromUtf8(kTables) << QString::fromUtf8(kConcatStep) << QString::fromUtf8(kFunctions);
    for (const char *table : kNotifiedTables)
        statements << QStringLiteral("CREATE TRIGGER %1_notify AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON %1 "
                                     "FOR EACH STATEMENT EXECUTE FUNCTION ordo_notify()")
                          .arg(QLatin1String(table));
    for (const auto &[table, key] : kNumberedTables)
        statements << QStringLiteral("CREATE TRIGGER %1_number BEFORE INSERT ON %1 FOR EACH ROW "
                                     "EXECUTE FUNCTION ordo_next_id('%2')")
                          .arg(QLatin1String(table), QLatin1String(key));
    statements << QString::fromUtf8(kFixedRows);
    statements << QStringLiteral("INSERT INTO ordo_meta (Key, Value) VALUES ('schema_version', '%1')")
                      .arg(kServerSchemaVersion);
    return statements;
}

int ServerSchemaVersion(Connection &connection, DbError *error)
{
    if (!connection.hasTable(QStringLiteral("ordo_meta")))
        return 0;
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("SELECT Value FROM ordo_meta WHERE Key = 'schema_version'"), error))
        return -1;
    return rs.isEOF() ? 0 : rs.fieldText(0).toInt();
}
