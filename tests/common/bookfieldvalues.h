#pragma once

#include "catalog/bookrecord.h"

#include <QStringList>

// Every field of a book a user types or picks, from Title to Notes, numbers
// as text, in one list for before/after comparisons. Covers, links and ids
// are left to each test: how they may change differs from test to test.
// A new field of CBookRecord belongs here, so that every such comparison
// covers it.
inline QStringList BookFieldValues(const CBookRecord &r)
{
    QStringList readings;
    for (const CReading &reading : r.readings)
        readings << reading.Started + '|' + reading.Finished + '|' + (reading.Completed ? "done" : "open") + '|' +
                        reading.Notes;
    return QStringList{r.Title,         r.Subtitle,     r.Author,
            r.URL,           r.Edition,      r.ReleaseDate,
            r.Publisher,     r.ISBN,         r.PageCount,
            r.Language,      r.Binding,      r.Dimension,
            r.Extras,        r.PurchaseDate, r.Store,
            r.PurchasePrice, r.ListPrice,    r.AmazonPrice,
            r.Location,      r.Status,       r.CurrentPage,
            r.AmazonRating,  r.NumOfReviews, QString::number(r.MyRating),
            r.UserText1,     r.UserText2,    QString::number(r.EBookOnly),
            r.Format,        r.BookSize,     r.Description,
            r.Notes,         r.DateAdded,    r.Series,
            r.SeriesNumber} +
           readings;
}
