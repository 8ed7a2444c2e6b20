#include "descriptionhtml.h"

#include <QRegularExpression>
#include <QStringList>
#include <libxml/HTMLparser.h>
#include <libxml/HTMLtree.h>
#include <libxml/xmlsave.h>
#include <memory>

namespace {

bool isDroppedElement(const xmlChar *name)
{
    static const char *const kDropped[] = {"script", "style",  "iframe", "frame", "frameset", "object",
                                           "embed",  "applet", "link",   "meta",  "base",     "form",
                                           "input",  "button", "textarea", "select", "svg",   "math",
                                           "template", "noscript"};
    for (const char *dropped : kDropped) {
        if (xmlStrcasecmp(name, reinterpret_cast<const xmlChar *>(dropped)) == 0)
            return true;
    }
    return false;
}

// An attribute value that would run script when followed or loaded. Browsers
// ignore blanks and control characters inside the scheme, so do we.
bool isScriptAddress(const QString &value)
{
    QString scheme;
    for (const QChar c : value) {
        if (c.unicode() <= 0x20 || c == QChar(0x7F))
            continue;
        if (c == QLatin1Char(':'))
            break;
        scheme += c.toLower();
        if (scheme.size() > 16)
            return false;
    }
    if (scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript") ||
        scheme == QLatin1String("livescript"))
        return true;
    return scheme == QLatin1String("data") && !value.simplified().toLower().remove(QLatin1Char(' ')).startsWith(
                                                   QLatin1String("data:image/"));
}

bool isDroppedAttribute(xmlAttrPtr attr)
{
    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(attr->name)).toLower();
    if (name.startsWith(QLatin1String("on")))
        return true;
    xmlChar *raw = xmlNodeListGetString(attr->doc, attr->children, 1);
    const QString value = raw ? QString::fromUtf8(reinterpret_cast<const char *>(raw)) : QString();
    xmlFree(raw);
    if (name == QLatin1String("style")) {
        const QString lower = value.toLower();
        return lower.contains(QLatin1String("expression")) || lower.contains(QLatin1String("javascript:")) ||
               lower.contains(QLatin1String("url("));
    }
    static const char *const kAddressAttributes[] = {"href",   "src",      "action", "formaction", "background",
                                                     "lowsrc", "dynsrc",   "data",   "poster",     "cite",
                                                     "longdesc", "codebase", "srcset", "xlink:href", "usemap"};
    for (const char *address : kAddressAttributes) {
        if (name == QLatin1String(address))
            return isScriptAddress(value);
    }
    return false;
}

void cleanChildren(xmlNodePtr parent)
{
    xmlNodePtr node = parent->children;
    while (node) {
        xmlNodePtr next = node->next;
        const bool drop = node->type == XML_COMMENT_NODE || node->type == XML_PI_NODE ||
                          (node->type == XML_ELEMENT_NODE && isDroppedElement(node->name));
        if (drop) {
            xmlUnlinkNode(node);
            xmlFreeNode(node);
        } else if (node->type == XML_ELEMENT_NODE) {
            xmlAttrPtr attr = node->properties;
            while (attr) {
                xmlAttrPtr nextAttr = attr->next;
                if (isDroppedAttribute(attr))
                    xmlRemoveProp(attr);
                attr = nextAttr;
            }
            cleanChildren(node);
        }
        node = next;
    }
}

bool isNamed(xmlNodePtr node, const char *name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0;
}

// Writes the content of the document without its html, head and body
// wrappers. Text after a stray "</html>" ends up in a second html element;
// it is kept too.
void dumpContent(xmlOutputBufferPtr out, xmlDocPtr doc, xmlNodePtr parent)
{
    for (xmlNodePtr node = parent->children; node; node = node->next) {
        if (isNamed(node, "head") || node->type == XML_DTD_NODE)
            continue;
        if (isNamed(node, "html") || isNamed(node, "body"))
            dumpContent(out, doc, node);
        else
            htmlNodeDumpFormatOutput(out, doc, node, "UTF-8", 0);
    }
}

struct DocFree
{
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};

} // namespace

QString CleanServiceHtml(const QString &html)
{
    if (html.trimmed().isEmpty())
        return {};
    // An explicit body keeps leading text out of an implied paragraph.
    const QByteArray source = "<html><body>" + html.toUtf8() + "</body></html>";
    std::unique_ptr<xmlDoc, DocFree> doc(htmlReadMemory(source.constData(), int(source.size()), nullptr, "UTF-8",
                                                        HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                                            HTML_PARSE_NOWARNING));
    if (!doc)
        return html.toHtmlEscaped();
    cleanChildren(reinterpret_cast<xmlNodePtr>(doc.get()));

    xmlCharEncodingHandlerPtr utf8 = xmlFindCharEncodingHandler("UTF-8");
    xmlOutputBufferPtr out = xmlAllocOutputBuffer(utf8);
    if (!out)
        return {};
    dumpContent(out, doc.get(), reinterpret_cast<xmlNodePtr>(doc.get()));
    xmlOutputBufferFlush(out);
    const xmlBufPtr buffer = out->conv ? out->conv : out->buffer;
    const QString result = QString::fromUtf8(reinterpret_cast<const char *>(xmlBufContent(buffer)),
                                             int(xmlBufUse(buffer)));
    xmlOutputBufferClose(out);
    return result.trimmed();
}

QString PlainTextToHtml(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    static const QRegularExpression kBlankLines(QStringLiteral("\\n[ \\t]*\\n\\s*"));
    QString html;
    for (const QString &block : plain.split(kBlankLines, Qt::SkipEmptyParts)) {
        const QString trimmed = block.trimmed();
        if (trimmed.isEmpty())
            continue;
        QStringList lines = trimmed.split(QLatin1Char('\n'));
        for (QString &line : lines)
            line = line.trimmed().toHtmlEscaped();
        html += QLatin1String("<p>") + lines.join(QLatin1String("<br>")) + QLatin1String("</p>");
    }
    return html;
}
