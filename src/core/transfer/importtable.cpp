#include "importtable.h"

#include <QCoreApplication>

QString ImportFormatKey(ImportFormat format)
{
    switch (format) {
    case ImportFormat::Csv:
        return QStringLiteral("csv");
    case ImportFormat::Goodreads:
        return QStringLiteral("goodreads");
    case ImportFormat::LibraryThing:
        return QStringLiteral("librarything");
    case ImportFormat::TellicoZip:
    case ImportFormat::TellicoXml:
        return QStringLiteral("tellico");
    case ImportFormat::Unknown:
        break;
    }
    return QString();
}

QString ImportFormatName(ImportFormat format)
{
    switch (format) {
    case ImportFormat::Csv:
        return QCoreApplication::translate("Import", "Delimited text (CSV/TSV)");
    case ImportFormat::Goodreads:
        return QCoreApplication::translate("Import", "Goodreads export");
    case ImportFormat::LibraryThing:
        return QCoreApplication::translate("Import", "LibraryThing export");
    case ImportFormat::TellicoZip:
        return QCoreApplication::translate("Import", "Tellico collection (.tc)");
    case ImportFormat::TellicoXml:
        return QCoreApplication::translate("Import", "Tellico XML");
    case ImportFormat::Unknown:
        break;
    }
    return QCoreApplication::translate("Import", "Unknown");
}
