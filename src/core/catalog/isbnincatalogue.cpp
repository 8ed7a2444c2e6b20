#include "isbnincatalogue.h"

#include "isbn.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QStringList>

bool IsIsbnInCatalogue(const QString &isbn, Connection &connection, QString *title)
{
    const QString digits = NormalizeIsbn(isbn);
    if (digits.isEmpty())
        return false;
    QStringList forms = {FormatSqlValue(digits, SqlText)};
    const QString other = OtherIsbnForm(digits);
    if (!other.isEmpty())
        forms << FormatSqlValue(other, SqlText);
    Recordset rs;
    const QString sql = QStringLiteral("SELECT Title FROM book WHERE "
                                       "UPPER(REPLACE(REPLACE(ISBN, '-', ''), ' ', '')) IN (%1) "
                                       "ORDER BY BookID LIMIT 1")
                            .arg(forms.join(QLatin1Char(',')));
    if (!rs.open(connection, sql) || rs.isEOF())
        return false;
    if (title)
        *title = rs.fieldText(0);
    return true;
}
