#pragma once

#include <QString>

// One related link of a book, as held by CBookRecord. LinkID is the link
// number read from the catalogue (as text); saving renumbers the links 1, 2,
// 3 ... in list order and does not look at it.
struct CLinkEntry
{
    QString LinkID;
    QString Name;
    QString Path;
    QString Notes;
};
