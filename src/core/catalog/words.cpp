#include "words.h"

QString TrimLeft(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.mid(i);
}

QString TrimRight(const QString &text)
{
    int n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return text.left(n);
}

QString FirstWord(const QString &text)
{
    const QString t = TrimLeft(text);
    const int space = t.indexOf(QLatin1Char(' '));
    return space < 0 ? QString() : t.left(space);
}

QString AllButFirstWord(const QString &text)
{
    const QString t = TrimLeft(text);
    const int space = t.indexOf(QLatin1Char(' '));
    return space < 0 ? text : TrimLeft(t.mid(space));
}

QString LastWord(const QString &text)
{
    const QString t = TrimRight(text);
    const int space = t.lastIndexOf(QLatin1Char(' '));
    return space < 0 ? text : t.mid(space + 1);
}

QString AllButLastWord(const QString &text)
{
    const QString t = TrimRight(text);
    const int space = t.lastIndexOf(QLatin1Char(' '));
    return space < 0 ? QString() : TrimRight(t.left(space));
}

QString FirstTwoWords(const QString &text)
{
    return FirstWord(text) + QLatin1Char(' ') + FirstWord(AllButFirstWord(text));
}

QString FileNameOfPath(const QString &path)
{
    const QString t = TrimRight(path);
    const int slash = qMax(t.lastIndexOf(QLatin1Char('\\')), t.lastIndexOf(QLatin1Char('/')));
    return slash < 0 ? path : t.mid(slash + 1);
}

QString ReplaceNoCase(const QString &text, const QString &search, const QString &replacement)
{
    if (search.isEmpty())
        return text;
    QString result = text;
    int from = 0;
    while ((from = result.indexOf(search, from, Qt::CaseInsensitive)) >= 0) {
        result.replace(from, search.size(), replacement);
        from += replacement.size();
    }
    return result;
}
