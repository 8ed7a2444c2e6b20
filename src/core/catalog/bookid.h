#pragma once

#include <QtGlobal>

// Book and category numbers are SQLite integer keys: 64 bits. Narrower
// types would fold 4294967297 onto book 1.
using BookId = qint64;
using CategoryId = qint64;
