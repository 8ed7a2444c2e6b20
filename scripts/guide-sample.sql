-- The sample catalogue the user guide's screenshots show (scripts/make-screenshots).
-- Classic books in several languages; prices, dates and notes are made up.
PRAGMA foreign_keys = ON;
INSERT INTO category (CatID, Name, ParentID, Notes) VALUES
  (32, 'Novels', 1, 'Fiction read and to read'),
  (33, 'Poetry', 1, NULL),
  (34, 'Russian classics', 32, NULL),
  (35, 'Travel', 1, 'Journeys, maps and guides');
INSERT INTO bookpublisher (PublisherID, Name) VALUES
  (1001, 'Penguin Classics'), (1002, 'Oxford World''s Classics'), (1003, 'Азбука'), (1004, '人民文学出版社');
INSERT INTO book (BookID, Title, Subtitle, Author, Edition, PublisherID, ISBN, PageCount, ReleaseDate,
                  PurchaseDate, PurchasePrice, ListPrice, CurrentPage, MyRating, Description, Notes) VALUES
  (1, 'Pride and Prejudice', NULL, 'Jane Austen', 'Reissue', 1001, '9780141439518', 480, '2003-04-29',
   '2024-03-02', 7.99, 9.99, 120, 5,
   '<p>A novel of manners: the Bennet sisters, their suitors and the <b>famous first sentence</b>.</p>',
   '<p>Lent to Marta in June.</p>'),
  (2, 'Moby-Dick', 'or, The Whale', 'Herman Melville', NULL, 1002, '9780199535729', 688, '2008-06-15',
   '2023-11-20', 8.50, 10.99, NULL, 4, '<p>The voyage of the <i>Pequod</i> and its captain.</p>', NULL),
  (3, 'Преступление и наказание', NULL, 'Фёдор Достоевский', NULL, 1003, '9785389062108', 608, '2015-01-01',
   NULL, NULL, NULL, NULL, 5, '<p>Роман о Родионе Раскольникове.</p>', NULL),
  (4, '红楼梦', NULL, '曹雪芹', NULL, 1004, '9787020002207', 1606, '1996-12-01',
   NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (5, 'Ὀδύσσεια', 'The Odyssey', 'Ὅμηρος (Homer)', 'Bilingual', 1001, '9780140268867', 560, '1997-11-01',
   '2022-08-14', 12.00, 14.00, 33, 4, NULL, NULL),
  (6, 'Les Misérables', NULL, 'Victor Hugo', NULL, 1001, '9780140444308', 1456, '1982-03-25',
   NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO book_category (BookID, CatID) VALUES
  (1, 32), (2, 32), (6, 32), (3, 34), (4, 32), (5, 33), (1, 2), (5, 4), (2, 4);
-- When each book came into the catalogue (one older book without a date).
UPDATE book SET DateAdded = CASE BookID WHEN 1 THEN '2019-11-02' WHEN 2 THEN '2020-03-15' WHEN 3 THEN '2021-07-08'
  WHEN 4 THEN '2022-01-30' WHEN 5 THEN '2022-08-14' END;
-- Loans: two books lent to friends (one long overdue), one book borrowed.
INSERT INTO book (BookID, Title, Author, ISBN, DateAdded) VALUES
  (7, 'Il nome della rosa', 'Umberto Eco', '9788845292613', '2024-05-18');
INSERT INTO book_category (BookID, CatID) VALUES (7, 32);
INSERT INTO borrower (BorrowerID, Name, Contact) VALUES
  (1, 'Marta Kowalska', 'marta@example.org'), (2, 'Дмитрий Орлов', NULL), (3, 'Giulia Bianchi', NULL);
INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, ReturnDate, Note) VALUES
  (2, 2, 0, '2023-12-01', '2024-01-01', '2024-01-10', NULL),
  (1, 1, 0, '2024-06-02', '2024-07-02', NULL, 'Asked for it at the book club'),
  (3, 2, 0, '2025-01-15', '2099-01-15', NULL, NULL),
  (7, 3, 1, '2024-05-18', '2099-05-18', NULL, NULL);
