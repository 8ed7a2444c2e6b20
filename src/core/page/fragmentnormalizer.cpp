#include "fragmentnormalizer.h"

#include <QVarLengthArray>
#include <libxml/HTMLparser.h>
#include <libxml/HTMLtree.h>
#include <libxml/tree.h>
#include <memory>

namespace {

struct DocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
struct BufferFree
{
    void operator()(xmlBuffer *buffer) const { xmlBufferFree(buffer); }
};

bool named(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST name) == 0;
}

xmlNode *findElement(xmlNode *node, const char *name)
{
    for (; node; node = node->next) {
        if (named(node, name))
            return node;
        if (xmlNode *found = findElement(node->children, name))
            return found;
    }
    return nullptr;
}

// Drops what could reach beyond the fragment, renames raw-text elements.
void clean(xmlNode *node)
{
    while (node) {
        xmlNode *next = node->next;
        if (named(node, "style") || named(node, "link") || named(node, "base") || named(node, "meta")) {
            xmlUnlinkNode(node);
            xmlFreeNode(node);
        } else {
            if (named(node, "textarea") || named(node, "xmp") || named(node, "plaintext") ||
                named(node, "title") || named(node, "listing"))
                xmlNodeSetName(node, BAD_CAST "pre");
            clean(node->children);
        }
        node = next;
    }
}

enum class Kind { None, Block, Inline, Void };

// Bare element names whose parsed-and-written form is exactly their text.
Kind kindOf(QStringView name)
{
    static const char *const kInline[] = {"b", "i", "u", "em", "strong", "cite", "code", "sub", "sup"};
    if (name == u"p")
        return Kind::Block;
    if (name == u"br")
        return Kind::Void;
    for (const char *known : kInline) {
        if (name == QLatin1String(known))
            return Kind::Inline;
    }
    return Kind::None;
}

// True when the parser would give the fragment back unchanged: printable
// ASCII text without "&" or ">", runs of text that are not all spaces, and
// only the elements above without attributes, paragraphs at the top level
// holding only inline elements, every element closed in order.
bool isAlreadyNormal(const QString &html)
{
    const QChar *text = html.constData();
    const qsizetype length = html.size();
    QVarLengthArray<QStringView, 16> open; // names of the open elements
    qsizetype runStart = 0;
    auto runIsBlank = [&](qsizetype end) {
        if (end == runStart)
            return false;
        for (qsizetype i = runStart; i < end; ++i) {
            if (text[i] != QLatin1Char(' '))
                return false;
        }
        return true;
    };
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'<') {
            if (c < 0x20 || c > 0x7E || c == u'&' || c == u'>')
                return false;
            continue;
        }
        if (runIsBlank(i))
            return false;
        const bool closing = i + 1 < length && text[i + 1] == QLatin1Char('/');
        const qsizetype nameStart = i + (closing ? 2 : 1);
        qsizetype end = nameStart;
        while (end < length && text[end].unicode() >= u'a' && text[end].unicode() <= u'z')
            ++end;
        if (end >= length || text[end] != QLatin1Char('>'))
            return false;
        const QStringView name(text + nameStart, end - nameStart);
        const Kind kind = kindOf(name);
        if (kind == Kind::None)
            return false;
        if (closing) {
            if (open.isEmpty() || open.last() != name)
                return false;
            open.removeLast();
        } else if (kind == Kind::Block) {
            if (!open.isEmpty())
                return false;
            open.append(name);
        } else if (kind == Kind::Inline) {
            open.append(name);
        }
        i = end;
        runStart = end + 1;
    }
    return open.isEmpty() && !runIsBlank(length);
}

} // namespace

QString NormalizeHtmlFragment(const QString &html)
{
    if (!html.contains(QLatin1Char('<')))
        return html;
    if (isAlreadyNormal(html)) {
        // The writer puts a paragraph followed by an element on a line of its own.
        QString written = html;
        written.replace(QLatin1String("</p><"), QLatin1String("</p>\n<"));
        return written;
    }
    return ParseHtmlFragment(html);
}

QString ParseHtmlFragment(const QString &html)
{
    if (!html.contains(QLatin1Char('<')))
        return html;
    // A wrapper of our own keeps a fragment that starts with <title> or
    // <meta> in the body rather than in a made-up head.
    // The parser would stop at a NUL and lose the rest of the text.
    const QByteArray bytes =
        "<html><head></head><body><div>" + QString(html).remove(QChar(0)).toUtf8() + "</div></body></html>";
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_NODEFDTD | XML_PARSE_HUGE;
    std::unique_ptr<xmlDoc, DocFree> doc(
        htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8", options));
    if (!doc)
        return html.toHtmlEscaped();
    xmlNode *root = xmlDocGetRootElement(doc.get());
    xmlNode *body = findElement(root, "body");
    if (!body)
        return html.toHtmlEscaped();
    // Whatever the parser moved into the head (a leading <title>) is kept
    // as body text; the rest of the head goes with the cleaning.
    if (xmlNode *head = findElement(root, "head")) {
        clean(head->children);
        xmlNode *anchor = body->children;
        for (xmlNode *child = head->children; child;) {
            xmlNode *next = child->next;
            xmlUnlinkNode(child);
            if (anchor)
                xmlAddPrevSibling(anchor, child);
            else
                xmlAddChild(body, child);
            child = next;
        }
    }
    clean(body->children);

    std::unique_ptr<xmlBuffer, BufferFree> buffer(xmlBufferCreate());
    if (!buffer)
        return html.toHtmlEscaped();
    // The body holds our wrapper <div> (and anything the parser put beside
    // it); the wrapper itself is not written.
    for (xmlNode *child = body->children; child; child = child->next) {
        if (child == body->children && named(child, "div") && !child->properties) {
            for (xmlNode *inner = child->children; inner; inner = inner->next)
                htmlNodeDump(buffer.get(), doc.get(), inner);
        } else {
            htmlNodeDump(buffer.get(), doc.get(), child);
        }
    }
    return QString::fromUtf8(reinterpret_cast<const char *>(xmlBufferContent(buffer.get())),
                             int(xmlBufferLength(buffer.get())));
}
