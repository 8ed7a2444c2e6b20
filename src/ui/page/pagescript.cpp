#include "pagescript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Scripts of the content are off in the settings already; the policy keeps
// it so should that ever change, and stops a description from re-basing the
// page, embedding frames or plug-ins, or submitting forms.
const char kBlankPage[] = "<!DOCTYPE html>\n"
                          "<html><head><meta charset=\"utf-8\">\n"
                          "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'; "
                          "object-src 'none'; frame-src 'none'; base-uri 'none'; form-action 'none'\">\n"
                          "<title></title></head><body></body></html>\n";

bool needsEscape(char16_t c)
{
    return c < 0x20 || c == u'"' || c == u'\\' || c == 0x7f || c == 0x2028 || c == 0x2029;
}

void appendEscaped(QString &out, char16_t c)
{
    switch (c) {
    case u'"':
        out += QLatin1String("\\\"");
        break;
    case u'\\':
        out += QLatin1String("\\\\");
        break;
    case u'\n':
        out += QLatin1String("\\n");
        break;
    case u'\r':
        out += QLatin1String("\\r");
        break;
    case u'\t':
        out += QLatin1String("\\t");
        break;
    default: {
        static const char hex[] = "0123456789abcdef";
        const char code[] = {'\\',        'u', hex[(c >> 12) & 0xf], hex[(c >> 8) & 0xf], hex[(c >> 4) & 0xf],
                             hex[c & 0xf]};
        out += QLatin1String(code, 6);
    }
    }
}

} // namespace

QString JsStringLiteral(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32 + 16);
    out += QLatin1Char('"');
    // Copy runs of plain characters in one go: page HTML runs to megabytes.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEscape(c))
            continue;
        out += text.mid(runStart, i - runStart);
        appendEscaped(out, c);
        runStart = i + 1;
    }
    out += text.mid(runStart);
    out += QLatin1Char('"');
    return out;
}

QString PageDisplayScript(const QString &title, const QString &bodyHtml, const QUrl &styleSheetUrl,
                          bool reload, bool keepPosition)
{
    const QString id = JsStringLiteral(QString::fromLatin1(kStyleSheetElementId));
    const QString css = JsStringLiteral(styleSheetUrl.toString(QUrl::FullyEncoded));
    QString script;
    script.reserve(bodyHtml.size() + bodyHtml.size() / 32 + 1024);
    script += QLatin1String("(function () {\n"
                            "var d = document;\n"
                            "d.title = ");
    script += JsStringLiteral(title);
    script += QLatin1String(";\nd.body.innerHTML = ");
    script += JsStringLiteral(bodyHtml);
    script += QLatin1String(";\nvar link = d.getElementById(");
    script += id;
    script += QLatin1String(");\n"
                            "if (!link) {\n"
                            "  link = d.createElement('link');\n"
                            "  link.id = ");
    script += id;
    script += QLatin1String(";\n"
                            "  link.rel = 'stylesheet';\n"
                            "  link.type = 'text/css';\n"
                            "  link.href = ");
    script += css;
    script += QLatin1String(";\n"
                            "  d.head.appendChild(link);\n"
                            "}");
    if (reload) {
        script += QLatin1String(" else {\n  link.href = ");
        script += css;
        script += QLatin1String(";\n}\n");
    } else if (!keepPosition) {
        script += QLatin1String("\nwindow.scrollTo(0, 0);\n");
    }
    if (keepPosition && !reload)
        script += QLatin1String("\n");
    script += QLatin1String("return true;\n})();\n");
    return script;
}

QUrl BlankPageUrl()
{
    static QTemporaryDir folder(QDir::tempPath() + QLatin1String("/Ordo-XXXXXX"));
    static const QUrl url = [] {
        if (!folder.isValid())
            return QUrl();
        QFile file(folder.filePath(QStringLiteral("blank.html")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QUrl();
        const QByteArray bytes(kBlankPage);
        if (file.write(bytes) != bytes.size())
            return QUrl();
        file.close();
        return QUrl::fromLocalFile(file.fileName());
    }();
    return url;
}
