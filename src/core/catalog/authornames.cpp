#include "authornames.h"

#include <QRegularExpression>

QString JoinAuthorNames(const QStringList &names)
{
    QStringList kept;
    QStringList folded;
    for (const QString &name : names) {
        const QString n = name.trimmed();
        if (n.isEmpty() || folded.contains(n.toCaseFolded()))
            continue;
        kept << n;
        folded << n.toCaseFolded();
    }
    return kept.join(QLatin1String(" / "));
}

QStringList SplitAuthorNames(const QString &author)
{
    static const QRegularExpression separator(QStringLiteral("\\s+/\\s+|;\\s*"));
    QStringList names;
    for (const QString &part : author.split(separator, Qt::SkipEmptyParts)) {
        const QString n = part.trimmed();
        if (!n.isEmpty())
            names << n;
    }
    return names;
}
