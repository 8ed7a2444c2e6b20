#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct _xmlDoc;
struct _xmlNode;
struct _xmlXPathContext;

// A service's XML answer, parsed from memory with network access and entity
// substitution off, read with XPath. Namespaces an answer uses are given a
// prefix with AddNamespace before selecting.
class CXmlAnswer
{
public:
    using Node = _xmlNode *;

    enum class Result {
        Parsed,
        Malformed,   // not well-formed XML (an error page, a cut answer)
        Unavailable, // the parser could not be set up at all
    };

    CXmlAnswer() = default;
    ~CXmlAnswer();
    CXmlAnswer(const CXmlAnswer &) = delete;
    CXmlAnswer &operator=(const CXmlAnswer &) = delete;

    Result Parse(const QByteArray &bytes);
    void AddNamespace(const char *prefix, const char *uri);

    // Nodes that xpath selects, in document order, relative to context (the
    // document when null). Nothing for a bad expression.
    QVector<Node> Select(const QString &xpath, Node context = nullptr) const;
    Node First(const QString &xpath, Node context = nullptr) const;
    // Text content of the first selected node; empty when none is.
    QString Text(const QString &xpath, Node context = nullptr) const;

    static QString TextOf(Node node);
    static QString Attribute(Node node, const char *name);

private:
    _xmlDoc *m_doc = nullptr;
    _xmlXPathContext *m_xpath = nullptr;
};
