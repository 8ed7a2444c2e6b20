#include "isbnlist.h"

#include "catalog/isbn.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

QString IsbnFromListLine(const QString &line)
{
    QString isbn = line.trimmed();
    // A barcode reader that also reads the price add-on sends 18 digits, or
    // the 13 digits, a separator and the 5 digits.
    static const QRegularExpression withAddOn(QStringLiteral("^(97[89]\\d{10})[- ]?\\d{5}$"));
    const QRegularExpressionMatch match = withAddOn.match(isbn);
    if (match.hasMatch())
        isbn = match.captured(1);
    // A barcode whose own check digit is wrong was misread: it must not turn
    // into the ISBN-10 of some book, so it stays as read and is refused.
    if (isbn.size() == 13 && !IsValidIsbn13(isbn))
        return isbn;
    return EanToIsbn(isbn);
}

bool IsAcceptedIsbn(const QString &isbn)
{
    return IsValidAnyIsbn(isbn);
}

IsbnFileRead ReadIsbnListFile(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IsbnFileRead::CannotOpen;
    if (file.size() > kMaxIsbnFileSize)
        return IsbnFileRead::TooLarge;
    // Also a file that grows while it is read stops at the cap.
    const QByteArray bytes = file.read(kMaxIsbnFileSize + 1);
    if (bytes.size() > kMaxIsbnFileSize)
        return IsbnFileRead::TooLarge;

    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QString result;
    for (const QString &raw : QString::fromLocal8Bit(bytes).split(lineEnd)) {
        const QString entry = raw.trimmed();
        if (!entry.isEmpty())
            result += entry + QLatin1String("\r\n");
    }
    text = result.trimmed();
    return IsbnFileRead::Ok;
}

bool WriteIsbnListFile(const QString &path, const QString &text)
{
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!body.isEmpty() && !body.endsWith(QLatin1Char('\n')))
        body += QLatin1Char('\n');
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(body.toLocal8Bit());
    return file.commit();
}
