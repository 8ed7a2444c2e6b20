#include "xmlanswer.h"

#include "app/windows1252.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

namespace {

// No DTD is loaded and no entity substituted, so an answer cannot make the
// parser read local files or reach the network; errors stay quiet (the
// caller reports a malformed answer itself).
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

} // namespace

CXmlAnswer::~CXmlAnswer()
{
    if (m_xpath)
        xmlXPathFreeContext(m_xpath);
    if (m_doc)
        xmlFreeDoc(m_doc);
}

CXmlAnswer::Result CXmlAnswer::Parse(const QByteArray &bytes)
{
    xmlParserCtxtPtr parser = xmlNewParserCtxt();
    if (!parser)
        return Result::Unavailable;
    m_doc = xmlCtxtReadMemory(parser, bytes.constData(), int(bytes.size()), nullptr, nullptr, kParseOptions);
    const bool wellFormed = parser->wellFormed;
    xmlFreeParserCtxt(parser);
    if (!m_doc || !wellFormed || !xmlDocGetRootElement(m_doc))
        return Result::Malformed;
    m_xpath = xmlXPathNewContext(m_doc);
    return m_xpath ? Result::Parsed : Result::Unavailable;
}

void CXmlAnswer::AddNamespace(const char *prefix, const char *uri)
{
    if (m_xpath)
        xmlXPathRegisterNs(m_xpath, reinterpret_cast<const xmlChar *>(prefix),
                           reinterpret_cast<const xmlChar *>(uri));
}

QVector<CXmlAnswer::Node> CXmlAnswer::Select(const QString &xpath, Node context) const
{
    QVector<Node> nodes;
    if (!m_xpath)
        return nodes;
    m_xpath->node = context ? context : reinterpret_cast<xmlNodePtr>(m_doc);
    const QByteArray expression = xpath.toUtf8();
    xmlXPathObjectPtr result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(expression.constData()), m_xpath);
    if (!result)
        return nodes;
    if (result->type == XPATH_NODESET && result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i)
            nodes << result->nodesetval->nodeTab[i];
    }
    xmlXPathFreeObject(result);
    return nodes;
}

CXmlAnswer::Node CXmlAnswer::First(const QString &xpath, Node context) const
{
    const QVector<Node> nodes = Select(xpath, context);
    return nodes.isEmpty() ? nullptr : nodes.first();
}

QString CXmlAnswer::Text(const QString &xpath, Node context) const
{
    return TextOf(First(xpath, context));
}

QString CXmlAnswer::TextOf(Node node)
{
    if (!node)
        return {};
    xmlChar *content = xmlNodeGetContent(node);
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(content));
    xmlFree(content);
    RepairC1Controls(text); // Windows-1252 text that was decoded as Latin-1
    return text;
}

QString CXmlAnswer::Attribute(Node node, const char *name)
{
    if (!node)
        return {};
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(value));
    xmlFree(value);
    return text;
}
