#pragma once

#include "exportbook.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// Writes books as a Tellico book collection (tellico.xml). The fields Tellico
// has are used as they are (title, author, isbn, publisher, ...), the
// categories as keywords; the others are added as fields of the collection
// (group "Ordoteca", which also tells our import its own files) so that
// nothing is lost.
class CTellicoWriter
{
public:
    // The XML document. images gets, for each cover the document refers to,
    // its image id and the picture file in imagesFolder.
    static QByteArray Build(const QVector<CExportBook> &books, const QString &imagesFolder,
                            QHash<QString, QString> &images);
};
