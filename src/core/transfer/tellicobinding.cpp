#include "tellicobinding.h"

#include <QHash>

namespace {

// Case, spaces, dashes and dots do not matter ("E-Book", "ebook", "Hard
// cover"); ё is written as е as often as not.
QString key(const QString &wording)
{
    QString out;
    for (const QChar c : wording.toCaseFolded()) {
        if (c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('_'))
            continue;
        out += c == QChar(0x0451) ? QChar(0x0435) : c;
    }
    return out;
}

struct Wording
{
    const char *text; // UTF-8
    const char *binding;
};

const Wording kWordings[] = {
    {"Hardback", "Hardback"},
    {"Hardcover", "Hardback"},
    {"Hardbound", "Hardback"},
    {"Library Binding", "Hardback"},
    {"Gebunden", "Hardback"},
    {"Gebundene Ausgabe", "Hardback"},
    {"Relié", "Hardback"},
    {"Cartonné", "Hardback"},
    {"Rilegato", "Hardback"},
    {"Copertina rigida", "Hardback"},
    {"Tapa dura", "Hardback"},
    {"Capa dura", "Hardback"},
    {"Твёрдый переплёт", "Hardback"},
    {"Твёрдая обложка", "Hardback"},
    {"Тверда обкладинка", "Hardback"},
    {"精装", "Hardback"},
    {"精裝", "Hardback"},
    {"Paperback", "Paperback"},
    {"Softcover", "Paperback"},
    {"Softback", "Paperback"},
    {"Mass Market Paperback", "Paperback"},
    {"Pocket Book", "Paperback"},
    {"Taschenbuch", "Paperback"},
    {"Broschiert", "Paperback"},
    {"Broché", "Paperback"},
    {"Poche", "Paperback"},
    {"Brossura", "Paperback"},
    {"Tascabile", "Paperback"},
    {"Tapa blanda", "Paperback"},
    {"Rústica", "Paperback"},
    {"Capa mole", "Paperback"},
    {"Brochura", "Paperback"},
    {"Мягкая обложка", "Paperback"},
    {"Мягкий переплёт", "Paperback"},
    {"М'яка обкладинка", "Paperback"},
    {"平装", "Paperback"},
    {"平裝", "Paperback"},
    {"Trade Paperback", "Trade Paperback"},
    {"Trade Paper", "Trade Paperback"},
    {"Klappenbroschur", "Trade Paperback"},
    {"E-Book", "E-Book"},
    {"Electronic Book", "E-Book"},
    {"Kindle Edition", "E-Book"},
    {"Kindle", "E-Book"},
    {"Kindle Ausgabe", "E-Book"},
    {"EPUB", "E-Book"},
    {"Электронная книга", "E-Book"},
    {"电子书", "E-Book"},
    {"電子書", "E-Book"},
    {"Magazine", "Magazine"},
    {"Zeitschrift", "Magazine"},
    {"Magazin", "Magazine"},
    {"Rivista", "Magazine"},
    {"Revista", "Magazine"},
    {"Revue", "Magazine"},
    {"Журнал", "Magazine"},
    {"杂志", "Magazine"},
    {"雜誌", "Magazine"},
    {"Journal", "Journal"},
    {"Fachzeitschrift", "Journal"},
    {"期刊", "Journal"},
};

} // namespace

QString TellicoBinding(const QString &wording)
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const Wording &w : kWordings)
            t.insert(key(QString::fromUtf8(w.text)), QLatin1String(w.binding));
        return t;
    }();
    return table.value(key(wording));
}
