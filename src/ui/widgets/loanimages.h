#pragma once

class QPainter;

// 16 x 16 images of the loan commands, shared by the toolbar and the
// category tree's On Loan and Borrowed entries.

// A book with an arrow leaving it: lent.
void DrawLentBookImage(QPainter &p);
// A book with an arrow coming to it: borrowed from someone.
void DrawBorrowedBookImage(QPainter &p);
// A book with an arrow turning back: returned.
void DrawReturnBookImage(QPainter &p);
