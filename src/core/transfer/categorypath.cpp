#include "categorypath.h"

QString JoinCategoryPath(const QStringList &names)
{
    QStringList escaped;
    for (QString name : names) {
        name.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        name.replace(QLatin1Char('/'), QLatin1String("\\/"));
        name.replace(QLatin1Char(';'), QLatin1String("\\;"));
        escaped << name;
    }
    return escaped.join(QLatin1Char('/'));
}

QString JoinCategoryPaths(const QVector<QStringList> &paths)
{
    QStringList lines;
    for (const QStringList &p : paths)
        lines << JoinCategoryPath(p);
    return lines.join(QLatin1Char('\n'));
}

QVector<QStringList> SplitCategoryPaths(const QString &text)
{
    QVector<QStringList> paths;
    QStringList path;
    QString name;
    const auto endName = [&] {
        name = name.trimmed();
        if (!name.isEmpty())
            path << name;
        name.clear();
    };
    const auto endPath = [&] {
        endName();
        if (!path.isEmpty())
            paths << path;
        path.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            name += text.at(++i);
        } else if (c == QLatin1Char('/')) {
            endName();
        } else if (c == QLatin1Char(';') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            endPath();
        } else {
            name += c;
        }
    }
    endPath();
    return paths;
}
