#include "booktransform.h"

#include "app/strings.h"
#include "coverurl.h"
#include "encodeutf8.h"

#include <QFile>

#include <libexslt/exslt.h>
#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <mutex>

namespace {

// Entities are never substituted and no DTD is fetched: a template or a
// document() target cannot pull in local files through entities or reach
// the network through the parser.
constexpr int kSafeParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA;
constexpr int kUnsafeParseOptions =
    XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_DTDATTR | XML_PARSE_DTDVALID | XML_PARSE_XINCLUDE;

// Where the engines' messages go on this thread while a transformation runs.
thread_local QString *t_errorSink = nullptr;

void appendMessage(const char *text)
{
    if (t_errorSink)
        t_errorSink->append(QString::fromUtf8(text));
    else
        std::fputs(text, stderr);
}

void genericError(void *, const char *format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    appendMessage(text);
}

void structuredError(void *, xmlErrorPtr error)
{
    if (!error || !error->message)
        return;
    QString line;
    if (error->line > 0)
        line = QStringLiteral("line %1: ").arg(error->line);
    if (t_errorSink)
        t_errorSink->append(line + QString::fromUtf8(error->message));
    else
        std::fprintf(stderr, "%s%s", line.toLocal8Bit().constData(), error->message);
}

// Sends libxml2's messages (kept per thread) to the sink while it lives and
// puts back whatever handlers were there before.
class ErrorCapture
{
public:
    explicit ErrorCapture(QString &sink)
        : m_previousSink(t_errorSink), m_generic(xmlGenericError), m_genericContext(xmlGenericErrorContext),
          m_structured(xmlStructuredError), m_structuredContext(xmlStructuredErrorContext)
    {
        t_errorSink = &sink;
        xmlSetGenericErrorFunc(nullptr, genericError);
        xmlSetStructuredErrorFunc(nullptr, structuredError);
    }
    ~ErrorCapture()
    {
        xmlSetStructuredErrorFunc(m_structuredContext, m_structured);
        xmlSetGenericErrorFunc(m_genericContext, m_generic);
        t_errorSink = m_previousSink;
    }
    ErrorCapture(const ErrorCapture &) = delete;
    ErrorCapture &operator=(const ErrorCapture &) = delete;

private:
    QString *m_previousSink;
    xmlGenericErrorFunc m_generic;
    void *m_genericContext;
    xmlStructuredErrorFunc m_structured;
    void *m_structuredContext;
};

xsltDocLoaderFunc s_defaultLoader = nullptr;
xsltSecurityPrefsPtr s_securityPrefs = nullptr;

// Every document libxslt loads for a template (xsl:import, xsl:include,
// document()) goes through here: local files only, parsed as safely as the
// template itself.
xmlDocPtr safeDocLoader(const xmlChar *uri, xmlDictPtr dict, int options, void *context, xsltLoadType type)
{
    if (uri) {
        const QByteArray text(reinterpret_cast<const char *>(uri));
        const int colon = text.indexOf(':');
        const int slash = text.indexOf('/');
        // A scheme other than file: (a one-letter "scheme" is a drive letter).
        if (colon > 1 && (slash < 0 || colon < slash) && !text.startsWith("file:")) {
            genericError(nullptr, "Refused to load %s: templates may read local files only\n",
                         text.constData());
            return nullptr;
        }
    }
    options = (options | kSafeParseOptions) & ~kUnsafeParseOptions;
    return s_defaultLoader(uri, dict, options, context, type);
}

void initEngines()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        exsltRegisterAll();
        // libxslt keeps its generic handler in a process-wide variable; the
        // handler itself writes to the sink of the calling thread.
        xsltSetGenericErrorFunc(nullptr, genericError);

        s_defaultLoader = xsltDocDefaultLoader;
        xsltSetLoaderFunc(safeDocLoader);

        s_securityPrefs = xsltNewSecurityPrefs();
        xsltSetSecurityPrefs(s_securityPrefs, XSLT_SECPREF_WRITE_FILE, xsltSecurityForbid);
        xsltSetSecurityPrefs(s_securityPrefs, XSLT_SECPREF_CREATE_DIRECTORY, xsltSecurityForbid);
        xsltSetSecurityPrefs(s_securityPrefs, XSLT_SECPREF_READ_NETWORK, xsltSecurityForbid);
        xsltSetSecurityPrefs(s_securityPrefs, XSLT_SECPREF_WRITE_NETWORK, xsltSecurityForbid);
        // The default preferences guard xsl:import and xsl:include while a
        // template is compiled, before any transformation context exists.
        xsltSetDefaultSecurityPrefs(s_securityPrefs);
    });
}

struct DocFree
{
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
struct ParserFree
{
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};
struct StyleFree
{
    void operator()(xsltStylesheetPtr style) const { xsltFreeStylesheet(style); }
};
struct TransformFree
{
    void operator()(xsltTransformContextPtr ctxt) const { xsltFreeTransformContext(ctxt); }
};
struct OutputFree
{
    void operator()(xmlOutputBufferPtr out) const { xmlOutputBufferClose(out); }
};

using DocPtr = std::unique_ptr<xmlDoc, DocFree>;
using ParserPtr = std::unique_ptr<xmlParserCtxt, ParserFree>;
using StylePtr = std::unique_ptr<xsltStylesheet, StyleFree>;
using TransformPtr = std::unique_ptr<xsltTransformContext, TransformFree>;
using OutputPtr = std::unique_ptr<xmlOutputBuffer, OutputFree>;

int appendToByteArray(void *context, const char *data, int size)
{
    static_cast<QByteArray *>(context)->append(data, size);
    return size;
}

TransformResult failure(TransformStatus status, const QString &errors)
{
    TransformResult result;
    result.status = status;
    result.errorText = errors;
    return result;
}

} // namespace

TransformResult TransformBookXml(const QString &xml, const QString &xslPath)
{
    initEngines();
    QString errors;
    ErrorCapture capture(errors);

    ParserPtr parser(xmlNewParserCtxt());
    if (!parser)
        return failure(TransformStatus::DomFailed, errors);

    const QByteArray xmlBytes = EncodeUtf8(xml);
    // The document declares its encoding; forcing one switches the parser to
    // a path that refuses documents of more than a few megabytes, and the
    // huge option lifts the limits on text nodes of such a size: a selection
    // of ten thousand described books must load.
    DocPtr xmlDoc(xmlCtxtReadMemory(parser.get(), xmlBytes.constData(), int(xmlBytes.size()), "book.xml",
                                    nullptr, kSafeParseOptions | XML_PARSE_HUGE));
    if (!xmlDoc || !parser->wellFormed)
        return failure(TransformStatus::XmlLoadFailed, errors);

    QFile xslFile(xslPath);
    if (!xslFile.open(QIODevice::ReadOnly)) {
        errors += QStringLiteral("Cannot read %1: %2\n").arg(xslPath, xslFile.errorString());
        return failure(TransformStatus::XslLoadFailed, errors);
    }
    const QByteArray xslBytes = xslFile.readAll();
    xslFile.close();
    // The file's own name is the base for its relative xsl:import and
    // document() references.
    const QByteArray xslUrl = QFile::encodeName(xslPath);
    DocPtr xslDoc(xmlCtxtReadMemory(parser.get(), xslBytes.constData(), int(xslBytes.size()),
                                    xslUrl.constData(), nullptr, kSafeParseOptions));
    if (!xslDoc || !parser->wellFormed)
        return failure(TransformStatus::XslLoadFailed, errors);

    // On success the stylesheet owns the template document.
    StylePtr style(xsltParseStylesheetDoc(xslDoc.get()));
    if (!style)
        return failure(TransformStatus::XslLoadFailed, errors);
    xslDoc.release();
    if (style->errors > 0)
        return failure(TransformStatus::XslLoadFailed, errors);

    TransformPtr context(xsltNewTransformContext(style.get(), xmlDoc.get()));
    if (!context)
        return failure(TransformStatus::DomFailed, errors);
    xsltSetCtxtSecurityPrefs(s_securityPrefs, context.get());
    xsltSetTransformErrorFunc(context.get(), nullptr, genericError);
    xsltSetCtxtParseOptions(context.get(), kSafeParseOptions);

    DocPtr output(
        xsltApplyStylesheetUser(style.get(), xmlDoc.get(), nullptr, nullptr, nullptr, context.get()));
    if (!output || context->state == XSLT_STATE_ERROR || context->state == XSLT_STATE_STOPPED)
        return failure(TransformStatus::TransformFailed, errors);

    // Serialized without an encoder the text stays UTF-8 whatever encoding
    // the template declares; the declared one only shows in the META line.
    // Written in pieces into one block sized from the input, where a buffer
    // left to grow by itself would copy a large page over and over.
    QByteArray html;
    html.reserve(2 * xmlBytes.size() + 4096);
    OutputPtr buffer(xmlOutputBufferCreateIO(appendToByteArray, nullptr, &html, nullptr));
    if (!buffer)
        return failure(TransformStatus::DomFailed, errors);
    if (xsltSaveResultTo(buffer.get(), output.get(), style.get()) < 0 ||
        xmlOutputBufferFlush(buffer.get()) < 0 || buffer->error)
        return failure(TransformStatus::TransformFailed, errors);

    TransformResult result;
    result.status = TransformStatus::Ok;
    result.html = QString::fromUtf8(RewriteOrdoAttributes(html, true));
    result.errorText = errors;
    return result;
}

int TransformMessageId(TransformStatus status)
{
    switch (status) {
    case TransformStatus::DomFailed:
        return IDS_XML_DOM_FAILED;
    case TransformStatus::XmlLoadFailed:
        return IDS_LOAD_XML_FAILED;
    case TransformStatus::XslLoadFailed:
        return IDS_LOAD_XSL_FAILED;
    case TransformStatus::Ok:
    case TransformStatus::TransformFailed:
        break;
    }
    return 0;
}

QString TransformMessageText(const TransformResult &result)
{
    const int id = TransformMessageId(result.status);
    if (!id)
        return QString();
    QString text = LoadStr(id);
    if (result.status == TransformStatus::XmlLoadFailed) {
        // The first complaint is the cause; the rest follow from it.
        QString cause = result.errorText.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
        if (cause.isEmpty())
            cause = QStringLiteral("The parser gave no reason.");
        constexpr int kMaxCause = 300;
        if (cause.size() > kMaxCause)
            cause = cause.left(kMaxCause) + QChar(0x2026);
        text += QLatin1Char('\n') + cause;
    }
    return text;
}
