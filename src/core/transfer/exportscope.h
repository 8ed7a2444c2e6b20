#pragma once

#include "catalog/bookid.h"

#include <QVector>

// Which books an export takes.
struct CExportScope
{
    enum Kind { WholeCatalogue, Category, Selection };
    Kind kind = WholeCatalogue;
    CategoryId categoryId = 1;        // Category: 5 means every book, 6 the books of no category
    bool subCategories = true; // Category: also the books of its sub-categories
    QVector<BookId> bookIds;      // Selection, in this order
};
