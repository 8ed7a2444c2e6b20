#pragma once

#include <QIcon>
#include <QPixmap>

// The category tree's ten 16 x 16 images, drawn in code at first use.
namespace TreeImages {

enum Index {
    Category = 0,
    CategorySelected = 1,
    RootCollection = 2,
    Favorites = 3,
    SearchResults = 4,
    ReadingList = 5,
    AllBooks = 6,
    RecycleBin = 7,
    OnLoan = 8,
    Borrowed = 9,
    Count = 10
};

QPixmap pixmap(int index);
// The icon of an item: image for the normal state, selectedImage for the
// selected one.
QIcon icon(int image, int selectedImage);

} // namespace TreeImages
