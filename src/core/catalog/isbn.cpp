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

QString NormalizeIsbn(const QString &text)
{
    QString isbn;
    isbn.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('-') || c.isSpace())
            continue;
        isbn += c == QLatin1Char('x') ? QLatin1Char('X') : c;
    }
    return isbn;
}

namespace {

QChar isbn13CheckDigit(const QString &twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        if (!isDigit(twelve.at(i)))
            return {};
        sum += (i % 2 == 0 ? 1 : 3) * (twelve.at(i).unicode() - '0');
    }
    return QLatin1Char(char('0' + (10 - sum % 10) % 10));
}

} // namespace

bool IsValidIsbn13(const QString &text)
{
    const QString isbn = NormalizeIsbn(text);
    if (isbn.size() != 13)
        return false;
    if (!isbn.startsWith(QLatin1String("978")) && !isbn.startsWith(QLatin1String("979")))
        return false;
    if (isbn.startsWith(QLatin1String("9790")))
        return false;
    const QChar check = isbn13CheckDigit(isbn);
    return !check.isNull() && check == isbn.at(12);
}

bool IsValidAnyIsbn(const QString &text)
{
    const QString isbn = NormalizeIsbn(text);
    return isbn.size() == 10 ? IsValidIsbn(isbn) : IsValidIsbn13(isbn);
}

QString Isbn10To13(const QString &text)
{
    const QString isbn = NormalizeIsbn(text);
    if (isbn.size() != 10 || !IsValidIsbn(isbn))
        return {};
    QString thirteen = QLatin1String("978") + isbn.left(9);
    thirteen += isbn13CheckDigit(thirteen);
    return thirteen;
}

QString Isbn13To10(const QString &text)
{
    const QString isbn = NormalizeIsbn(text);
    if (!IsValidIsbn13(isbn) || !isbn.startsWith(QLatin1String("978")))
        return {};
    QString ten = isbn.mid(3, 9);
    ten += isbnCheckCharacter(ten);
    return ten;
}

QString OtherIsbnForm(const QString &text)
{
    const QString isbn = NormalizeIsbn(text);
    return isbn.size() == 10 ? Isbn10To13(isbn) : Isbn13To10(isbn);
}

QString IsbnInForm(const QString &text, int form)
{
    if (form != 10 && form != 13)
        return text;
    const QString isbn = NormalizeIsbn(text);
    if (!IsValidAnyIsbn(isbn))
        return text;
    if (form == 13)
        return isbn.size() == 13 ? isbn : Isbn10To13(isbn);
    if (isbn.size() == 10)
        return isbn;
    const QString ten = Isbn13To10(isbn);
    return ten.isEmpty() ? isbn : ten;
}
