#include "fragmentnormalizer.h"

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

} // namespace

QString NormalizeHtmlFragment(const QString &html)
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
