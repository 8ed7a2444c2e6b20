-- The catalogue template. Built into ordo.dbt with the stock sqlite3 shell at
-- build time; every new catalogue is a copy of that file.
--
-- Declared types tell the program which kind of value a column holds:
--   INTEGER -> 32-bit integer, YESNO -> yes/no, CURRENCY -> money,
--   DOUBLE -> floating point, DATE/DATETIME -> date (ISO 8601 text),
--   TEXT -> text. All text compares without regard to case.
-- Dates may be written as 'Jan 05, 2004'; triggers store them as ISO 8601 so
-- that they sort chronologically. Only built-in SQL functions are used, so the
-- file stays fully usable from the sqlite3 shell.

PRAGMA foreign_keys = ON;
PRAGMA application_id = 1330791503;
PRAGMA user_version = 1;

BEGIN;

CREATE TABLE bookpublisher (
  PublisherID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookpublisher_name ON bookpublisher(Name);

CREATE TABLE booklanguage (
  LanguageID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX booklanguage_name ON booklanguage(Name);

CREATE TABLE bookbinding (
  BindingID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookbinding_name ON bookbinding(Name);

CREATE TABLE bookextras (
  ExtrasID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookextras_name ON bookextras(Name);

CREATE TABLE bookstore (
  StoreID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookstore_name ON bookstore(Name);

CREATE TABLE booklocation (
  LocationID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX booklocation_name ON booklocation(Name);

CREATE TABLE bookstatus (
  StatusID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookstatus_name ON bookstatus(Name);

CREATE TABLE bookformat (
  FormatID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookformat_name ON bookformat(Name);

CREATE TABLE category (
  CatID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE,
  ParentID INTEGER REFERENCES category(CatID) ON DELETE CASCADE,
  Notes TEXT COLLATE NOCASE,
  OperationDate DATETIME DEFAULT (datetime('now', 'localtime'))
);
CREATE INDEX category_parent ON category(ParentID);

CREATE TABLE book (
  BookID INTEGER PRIMARY KEY,
  Title TEXT COLLATE NOCASE,
  Subtitle TEXT COLLATE NOCASE,
  URL TEXT COLLATE NOCASE,
  Author TEXT COLLATE NOCASE,
  Edition TEXT COLLATE NOCASE,
  PublisherID INTEGER,
  ISBN TEXT COLLATE NOCASE,
  PageCount INTEGER,
  LanguageID INTEGER,
  BindingID INTEGER,
  Dimension TEXT COLLATE NOCASE,
  ExtrasID INTEGER,
  ReleaseDate DATE,
  PurchaseDate DATE,
  StoreID INTEGER,
  PurchasePrice CURRENCY,
  ListPrice CURRENCY,
  AmazonPrice CURRENCY,
  CurrentPage INTEGER,
  EBookOnly YESNO NOT NULL DEFAULT 0,
  LocationID INTEGER,
  StatusID INTEGER,
  AmazonRating DOUBLE,
  NumOfReviews INTEGER,
  MyRating INTEGER,
  UserText1 TEXT COLLATE NOCASE,
  UserText2 TEXT COLLATE NOCASE,
  FormatID INTEGER,
  BookSize DOUBLE,
  Description TEXT COLLATE NOCASE,
  Notes TEXT COLLATE NOCASE,
  FrontCover TEXT COLLATE NOCASE,
  BackCover TEXT COLLATE NOCASE,
  -- The day the book entered the catalogue (yyyy-mm-dd); empty when unknown.
  DateAdded DATE,
  SeriesID INTEGER,
  SeriesNumber TEXT COLLATE NOCASE
);
-- SeriesID names the book's series in bookseries, SeriesNumber its number
-- there as printed ("3", "3.5", "III", "Book 2"). Comments stay outside the
-- column list: the engine's DROP COLUMN cannot edit around them.
CREATE INDEX book_series ON book(SeriesID);
-- Holds every column the book list shows: the list reads it in title order
-- without touching the table's rows (equal titles by BookID, as before).
CREATE INDEX book_rows ON book(Title, BookID, Author, PublisherID, ISBN, Edition, DateAdded);

CREATE TABLE book_category (
  BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  CatID INTEGER NOT NULL REFERENCES category(CatID) ON DELETE CASCADE,
  PRIMARY KEY (BookID, CatID)
) WITHOUT ROWID;
CREATE INDEX book_category_cat ON book_category(CatID, BookID);

CREATE TABLE bookseries (
  SeriesID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE
);
CREATE INDEX bookseries_name ON bookseries(Name);

-- The reading log: one row per reading of a book, numbered from 1 per book.
-- Either day may be unknown; Completed says the reading came to its end
-- (with or without a known Finished day).
CREATE TABLE reading (
  BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  ReadingID INTEGER NOT NULL,
  Started DATE,
  Finished DATE,
  Completed YESNO NOT NULL DEFAULT 0,
  Notes TEXT COLLATE NOCASE,
  PRIMARY KEY (BookID, ReadingID)
);

CREATE TABLE link (
  BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  LinkID INTEGER NOT NULL,
  Name TEXT COLLATE NOCASE,
  Path TEXT COLLATE NOCASE,
  Notes TEXT COLLATE NOCASE,
  PRIMARY KEY (BookID, LinkID)
);

-- People books are lent to or borrowed from. A borrower with loans cannot be
-- deleted (rename or merge instead).
CREATE TABLE borrower (
  BorrowerID INTEGER PRIMARY KEY,
  Name TEXT COLLATE NOCASE NOT NULL UNIQUE,
  Contact TEXT COLLATE NOCASE,
  Notes TEXT COLLATE NOCASE
);

-- Every lending of a book, current (no ReturnDate) and past. Direction 0:
-- lent to the borrower; 1: borrowed from them (the book is not ours).
-- Dates are yyyy-mm-dd.
CREATE TABLE loan (
  LoanID INTEGER PRIMARY KEY,
  BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,
  BorrowerID INTEGER NOT NULL REFERENCES borrower(BorrowerID) ON DELETE RESTRICT,
  Direction INTEGER NOT NULL DEFAULT 0 CHECK (Direction IN (0, 1)),
  LoanDate DATE NOT NULL,
  DueDate DATE,
  ReturnDate DATE,
  Note TEXT COLLATE NOCASE
);
CREATE INDEX loan_book ON loan(BookID, LoanDate);
CREATE INDEX loan_borrower ON loan(BorrowerID);
-- A book is out at most once at a time; the On Loan and Borrowed lists read
-- this index only.
CREATE UNIQUE INDEX loan_open ON loan(BookID) WHERE ReturnDate IS NULL;
CREATE INDEX loan_current ON loan(Direction, BookID, BorrowerID, DueDate) WHERE ReturnDate IS NULL;

CREATE TRIGGER book_dates_insert AFTER INSERT ON book
WHEN NEW.ReleaseDate GLOB '[A-Za-z]*' OR NEW.PurchaseDate GLOB '[A-Za-z]*'
BEGIN
  UPDATE book SET
    ReleaseDate = CASE WHEN ReleaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) % 3 = 1 THEN substr(ReleaseDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) + 2) / 3) || '-' || substr(ReleaseDate,5,2) WHEN ReleaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) % 3 = 1 THEN substr(ReleaseDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) + 2) / 3) || '-0' || substr(ReleaseDate,5,1) ELSE ReleaseDate END,
    PurchaseDate = CASE WHEN PurchaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) % 3 = 1 THEN substr(PurchaseDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) + 2) / 3) || '-' || substr(PurchaseDate,5,2) WHEN PurchaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) % 3 = 1 THEN substr(PurchaseDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) + 2) / 3) || '-0' || substr(PurchaseDate,5,1) ELSE PurchaseDate END
  WHERE BookID = NEW.BookID;
END;

CREATE TRIGGER book_dates_update AFTER UPDATE OF ReleaseDate, PurchaseDate ON book
WHEN NEW.ReleaseDate GLOB '[A-Za-z]*' OR NEW.PurchaseDate GLOB '[A-Za-z]*'
BEGIN
  UPDATE book SET
    ReleaseDate = CASE WHEN ReleaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) % 3 = 1 THEN substr(ReleaseDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) + 2) / 3) || '-' || substr(ReleaseDate,5,2) WHEN ReleaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) % 3 = 1 THEN substr(ReleaseDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(ReleaseDate,1,3))) + 2) / 3) || '-0' || substr(ReleaseDate,5,1) ELSE ReleaseDate END,
    PurchaseDate = CASE WHEN PurchaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) % 3 = 1 THEN substr(PurchaseDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) + 2) / 3) || '-' || substr(PurchaseDate,5,2) WHEN PurchaseDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) % 3 = 1 THEN substr(PurchaseDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(PurchaseDate,1,3))) + 2) / 3) || '-0' || substr(PurchaseDate,5,1) ELSE PurchaseDate END
  WHERE BookID = NEW.BookID;
END;

CREATE TRIGGER category_date_insert AFTER INSERT ON category
WHEN NEW.OperationDate GLOB '[A-Za-z]*'
BEGIN
  UPDATE category SET OperationDate = CASE WHEN OperationDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) % 3 = 1 THEN substr(OperationDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) + 2) / 3) || '-' || substr(OperationDate,5,2) WHEN OperationDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) % 3 = 1 THEN substr(OperationDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) + 2) / 3) || '-0' || substr(OperationDate,5,1) ELSE OperationDate END WHERE CatID = NEW.CatID;
END;

CREATE TRIGGER category_date_update AFTER UPDATE OF OperationDate ON category
WHEN NEW.OperationDate GLOB '[A-Za-z]*'
BEGIN
  UPDATE category SET OperationDate = CASE WHEN OperationDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9][0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) % 3 = 1 THEN substr(OperationDate,9,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) + 2) / 3) || '-' || substr(OperationDate,5,2) WHEN OperationDate GLOB '[A-Za-z][A-Za-z][A-Za-z] [0-9], [0-9][0-9][0-9][0-9]' AND instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) % 3 = 1 THEN substr(OperationDate,8,4) || '-' || printf('%02d', (instr('janfebmaraprmayjunjulaugsepoctnovdec', lower(substr(OperationDate,1,3))) + 2) / 3) || '-0' || substr(OperationDate,5,1) ELSE OperationDate END WHERE CatID = NEW.CatID;
END;

INSERT INTO category (CatID, Name) VALUES (1, 'Book Collection');
INSERT INTO category (CatID, Name) VALUES (2, 'Favorites');
INSERT INTO category (CatID, Name) VALUES (3, 'Search Results');
INSERT INTO category (CatID, Name) VALUES (4, 'Reading List');

INSERT INTO bookbinding (BindingID, Name) VALUES (1, 'Hardcover');
INSERT INTO bookbinding (BindingID, Name) VALUES (2, 'Paperback');
INSERT INTO bookbinding (BindingID, Name) VALUES (3, 'Unknown Binding');
INSERT INTO bookextras (ExtrasID, Name) VALUES (3, 'Floppy Disk');
INSERT INTO booklanguage (LanguageID, Name) VALUES (1, 'English');
INSERT INTO booklanguage (LanguageID, Name) VALUES (2, 'Chinese');
INSERT INTO bookstatus (StatusID, Name) VALUES (1, 'In Collection');
INSERT INTO bookstatus (StatusID, Name) VALUES (2, 'Wish List');
INSERT INTO bookstatus (StatusID, Name) VALUES (3, 'Reference Only');
INSERT INTO bookstatus (StatusID, Name) VALUES (4, 'For Sale');

COMMIT;
VACUUM;
