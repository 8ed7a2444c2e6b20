#include "tellicoreader.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <libxml/parser.h>
#include <libxml/tree.h>

namespace {

QString nameOf(const xmlNode *node)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(node->name));
}

QString textOf(const xmlNode *node)
{
    xmlChar *content = xmlNodeGetContent(node);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(content));
    xmlFree(content);
    return text;
}

bool hasElementChildren(const xmlNode *node)
{
    for (const xmlNode *c = node->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE)
            return true;
    }
    return false;
}

const xmlNode *firstChild(const xmlNode *node, const char *name)
{
    for (const xmlNode *c = node ? node->children : nullptr; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && xmlStrcmp(c->name, BAD_CAST name) == 0)
            return c;
    }
    return nullptr;
}

// The yes/no fields of the oldest syntax (1 to 3) are empty elements that
// say yes by being there; later ones hold "true".
bool isEmptyFlag(const xmlNode *node)
{
    static const char *const flags[] = {"signed", "read", "gift", "loaned"};
    for (const char *flag : flags) {
        if (xmlStrcmp(node->name, BAD_CAST flag) == 0)
            return textOf(node).trimmed().isEmpty();
    }
    return false;
}

// Date fields (the entry's cdate and mdate, any field of the date type)
// hold <year>, <month> and <day>; any of them may be missing. Empty when the
// element is no such date.
QString dateOf(const xmlNode *node)
{
    QString year, month, day;
    for (const xmlNode *c = node->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        const QString part = textOf(c).trimmed();
        if (xmlStrcmp(c->name, BAD_CAST "year") == 0)
            year = part;
        else if (xmlStrcmp(c->name, BAD_CAST "month") == 0)
            month = part;
        else if (xmlStrcmp(c->name, BAD_CAST "day") == 0)
            day = part;
        else
            return QString();
    }
    if (year.isEmpty())
        return QString();
    const auto twoDigits = [](const QString &n) { return n.size() == 1 ? QLatin1Char('0') + n : n; };
    QString date = year;
    if (!month.isEmpty()) {
        date += QLatin1Char('-') + twoDigits(month);
        if (!day.isEmpty())
            date += QLatin1Char('-') + twoDigits(day);
    }
    return date;
}

class EntryCollector
{
public:
    explicit EntryCollector(CImportTable &table) : m_table(table) {}

    void addEntry(const xmlNode *entry, bool oldSyntax)
    {
        m_rowOfEntry.insert(attribute(entry, "id"), int(m_table.rows.size()));
        QHash<int, QString> cells;
        for (const xmlNode *e = entry->children; e; e = e->next) {
            if (e->type != XML_ELEMENT_NODE)
                continue;
            if (!hasElementChildren(e)) {
                cells[column(nameOf(e))] =
                    oldSyntax && isEmptyFlag(e) ? QStringLiteral("true") : textOf(e).trimmed();
                continue;
            }
            const QString date = dateOf(e);
            if (!date.isEmpty()) {
                cells[column(nameOf(e))] = date;
                continue;
            }
            // A container of several values (<authors><author>...) or of
            // table rows (<links><link><column>...).
            QStringList values;
            QJsonArray tableRows;
            QString valueName;
            for (const xmlNode *v = e->children; v; v = v->next) {
                if (v->type != XML_ELEMENT_NODE)
                    continue;
                valueName = nameOf(v);
                if (hasElementChildren(v)) {
                    QJsonArray row;
                    for (const xmlNode *c = v->children; c; c = c->next) {
                        if (c->type == XML_ELEMENT_NODE)
                            row.append(textOf(c));
                    }
                    tableRows.append(row);
                } else {
                    values << textOf(v).trimmed();
                }
            }
            const int col = column(valueName);
            cells[col] = tableRows.isEmpty()
                             ? values.join(QLatin1Char('\n'))
                             : QString::fromUtf8(QJsonDocument(tableRows).toJson(QJsonDocument::Compact));
        }
        QStringList row;
        row.reserve(m_table.columns.size());
        for (int i = 0; i < m_table.columns.size(); ++i)
            row << cells.value(i);
        m_table.rows << row;
    }

    // A <loan> of the collection's <borrowers>: the entry it names gets the
    // borrower and the dates as cells of its own.
    void addLoan(const QString &borrower, const xmlNode *loan)
    {
        const auto row = m_rowOfEntry.constFind(attribute(loan, "entryRef"));
        if (row == m_rowOfEntry.constEnd() || borrower.isEmpty())
            return;
        const std::pair<const char *, QString> cells[] = {{"loan-borrower", borrower},
                                                          {"loan-date", attribute(loan, "loanDate")},
                                                          {"loan-due", attribute(loan, "dueDate")}};
        for (const auto &[name, value] : cells) {
            const int col = column(QLatin1String(name));
            QStringList &cellsOfRow = m_table.rows[*row];
            while (cellsOfRow.size() <= col)
                cellsOfRow << QString();
            cellsOfRow[col] = value.trimmed();
        }
    }

    static QString attribute(const xmlNode *node, const char *name)
    {
        xmlChar *value = xmlGetProp(node, BAD_CAST name);
        const QString text = QString::fromUtf8(reinterpret_cast<const char *>(value));
        xmlFree(value);
        return text;
    }

    // Rows read before a new column appeared get an empty cell for it.
    void finish()
    {
        for (QStringList &row : m_table.rows) {
            while (row.size() < m_table.columns.size())
                row << QString();
        }
    }

private:
    int column(const QString &name)
    {
        auto it = m_index.constFind(name);
        if (it != m_index.constEnd())
            return *it;
        m_table.columns << name;
        m_index.insert(name, int(m_table.columns.size() - 1));
        return int(m_table.columns.size() - 1);
    }

    CImportTable &m_table;
    QHash<QString, int> m_index;
    QHash<QString, int> m_rowOfEntry; // entry id -> row
};

void collectImages(const xmlNode *node, CImportTable &table)
{
    for (const xmlNode *c = node ? node->children : nullptr; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE || xmlStrcmp(c->name, BAD_CAST "image") != 0)
            continue;
        xmlChar *id = xmlGetProp(c, BAD_CAST "id");
        const QString key = QString::fromUtf8(reinterpret_cast<const char *>(id));
        xmlFree(id);
        const QByteArray data = QByteArray::fromBase64(textOf(c).toLatin1());
        if (!key.isEmpty() && !data.isEmpty())
            table.images.insert(key, data);
    }
}

} // namespace

bool CTellicoReader::Read(const QByteArray &xml, CImportTable &table, QString &error)
{
    // No network, no external DTD or entities; errors come back, not on stderr.
    // No XML_PARSE_HUGE: its limits are what stop entity expansion bombs.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    if (!ctxt) {
        error = QCoreApplication::translate("Import", "Out of memory.");
        return false;
    }
    xmlDocPtr doc =
        xmlCtxtReadMemory(ctxt, xml.constData(), int(xml.size()), "tellico.xml", nullptr, options);
    if (!doc) {
        const xmlError *e = xmlCtxtGetLastError(ctxt);
        error = QCoreApplication::translate("Import", "The collection is not well-formed XML (line %1: %2).")
                    .arg(e ? e->line : 0)
                    .arg(e && e->message ? QString::fromUtf8(e->message).trimmed() : QString());
        xmlFreeParserCtxt(ctxt);
        return false;
    }
    xmlFreeParserCtxt(ctxt);

    // Element names only: files of Tellico's earlier versions have the root
    // <bookcase> and the namespace http://periapsis.org/bookcase/ or none.
    const xmlNode *root = xmlDocGetRootElement(doc);
    const bool bookcase = root && xmlStrcmp(root->name, BAD_CAST "bookcase") == 0;
    const xmlNode *collection = root && (bookcase || xmlStrcmp(root->name, BAD_CAST "tellico") == 0)
                                    ? firstChild(root, "collection")
                                    : nullptr;
    if (!collection) {
        error = QCoreApplication::translate("Import", "The file is not a Tellico collection.");
        xmlFreeDoc(doc);
        return false;
    }
    // Our own export marks the fields it adds with its name as their group.
    for (const xmlNode *f = firstChild(firstChild(collection, "fields"), "field"); f; f = f->next) {
        if (f->type != XML_ELEMENT_NODE)
            continue;
        xmlChar *group = xmlGetProp(f, BAD_CAST "category");
        if (group && xmlStrcmp(group, BAD_CAST "Ordoteca") == 0)
            table.ownExport = true;
        xmlFree(group);
    }
    // Syntax 1 to 3 name each entry after the collection's unit (<book>).
    QByteArray unit = "entry";
    if (bookcase) {
        xmlChar *u = xmlGetProp(collection, BAD_CAST "unit");
        if (u && *u)
            unit = QByteArray(reinterpret_cast<const char *>(u));
        else if (!firstChild(collection, "entry"))
            unit = "book";
        xmlFree(u);
    }
    const bool oldSyntax = unit != "entry";
    EntryCollector collector(table);
    for (const xmlNode *c = collection->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && xmlStrcmp(c->name, BAD_CAST unit.constData()) == 0)
            collector.addEntry(c, oldSyntax);
    }
    for (const xmlNode *b = firstChild(firstChild(collection, "borrowers"), "borrower"); b; b = b->next) {
        if (b->type != XML_ELEMENT_NODE || xmlStrcmp(b->name, BAD_CAST "borrower") != 0)
            continue;
        const QString name = EntryCollector::attribute(b, "name").trimmed();
        for (const xmlNode *loan = firstChild(b, "loan"); loan; loan = loan->next) {
            if (loan->type == XML_ELEMENT_NODE && xmlStrcmp(loan->name, BAD_CAST "loan") == 0)
                collector.addLoan(name, loan);
        }
    }
    collector.finish();
    collectImages(firstChild(collection, "images"), table);
    collectImages(firstChild(root, "images"), table);
    xmlFreeDoc(doc);
    // The full release date (ours) before the bare year; the binding as the
    // catalogue had it before the nearest one Tellico offers; the comments
    // before the word for a gift that follows them in the notes.
    table.preferredColumns = {QStringLiteral("release-date"), QStringLiteral("binding-text"),
                              QStringLiteral("comments")};
    return true;
}
