#include "isbn.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The check character for nine leading digits, or a null QChar when they are not digits.
QChar isbnCheckCharacter(const QString &nine)
{
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        if (!isDigit(nine.at(i)))
            return {};
        sum += (10 - i) * (nine.at(i).unicode() - '0');
    }
    const int c = 11 - sum % 11;
    if (c == 10)
        return QLatin1Char('X');
    if (c == 11)
        return QLatin1Char('0');
    return QLatin1Char(char('0' + c));
}

} // namespace

bool IsValidIsbn(const QString &text)
{
    QString isbn = text;
    isbn.remove(QLatin1Char('-'));
    isbn = isbn.trimmed().toUpper();
    if (isbn.size() != 10)
        return false;
    const QChar last = isbn.at(9);
    if (!isDigit(last) && last != QLatin1Char('X'))
        return false;
    const QChar check = isbnCheckCharacter(isbn);
    return !check.isNull() && check == last;
}

QString EanToIsbn(const QString &text)
{
    if ((text.size() != 13 && text.size() != 19) || !text.startsWith(QLatin1String("978")))
        return text;
    QString isbn = text.left(13).mid(3);
    const QChar check = isbnCheckCharacter(isbn);
    if (check.isNull())
        return text;
    isbn[9] = check;
    return IsValidIsbn(isbn) ? isbn : text;
}
