#include "linkrules.h"

#include "fileutil.h"

#include <climits>

bool IsWebAddress(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 2)
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = text.at(i);
        const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                            (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        const bool other = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
                           c == QLatin1Char('-') || c == QLatin1Char('.');
        if (!letter && (i == 0 || !other))
            return false;
    }
    return text.contains(QLatin1Char('.'));
}

LinkType GuessLinkType(const QString &path)
{
    if (IsWebAddress(path))
        return LinkType::Url;
    if (FileExists(path))
        return LinkType::File;
    if (FolderExists(path))
        return LinkType::Folder;
    return LinkType::Other;
}

int NextLinkNumber(int highestNumber, int rowCount)
{
    const int base = qMax(qMax(highestNumber, rowCount), 0);
    return base == INT_MAX ? INT_MAX : base + 1;
}
