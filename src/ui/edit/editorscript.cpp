#include "editorscript.h"

#include "page/pagescript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The content cannot run scripts (they are off in the settings, and the
// policy blocks them, event-handler attributes included, should that change).
const char kEditorPage[] =
    "<html>\n<head>\n<title>Ordo</title>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
    "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'; "
    "object-src 'none'; frame-src 'none'; base-uri 'none'; form-action 'none'\">\n"
    "</head>\n<body style=\"font-family: Tahoma, Verdana, Arial\">\n</body>\n</html>\n";

} // namespace

QUrl EditorPageUrl()
{
    static QTemporaryDir folder(QDir::tempPath() + QLatin1String("/Ordo-XXXXXX"));
    static const QUrl url = [] {
        if (!folder.isValid())
            return QUrl();
        QFile file(folder.filePath(QStringLiteral("editor.html")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QUrl();
        const QByteArray bytes(kEditorPage);
        if (file.write(bytes) != bytes.size())
            return QUrl();
        file.close();
        return QUrl::fromLocalFile(file.fileName());
    }();
    return url;
}

QString EditorStartScript(const QString &html, bool edited)
{
    QString script;
    script.reserve(html.size() + html.size() / 32 + 1024);
    script += QLatin1String("(function () {\n"
                            "var d = document;\n"
                            "d.body.innerHTML = ");
    script += JsStringLiteral(html);
    script += QLatin1String(";\nwindow.ordoEdited = ");
    script += edited ? QLatin1String("true") : QLatin1String("false");
    script +=
        QLatin1String(";\n"
                      "if (!window.ordoListening) {\n"
                      "  window.ordoListening = true;\n"
                      "  d.addEventListener('input', function () { window.ordoEdited = true; }, true);\n"
                      "  d.addEventListener('contextmenu', function (e) { e.preventDefault(); }, true);\n"
                      "  var noFiles = function (e) {\n"
                      "    if (e.dataTransfer && e.dataTransfer.types && "
                      "Array.prototype.indexOf.call(e.dataTransfer.types, "
                      "'Files') >= 0) {\n"
                      "      e.preventDefault(); e.stopPropagation(); e.dataTransfer.dropEffect = 'none';\n"
                      "    }\n"
                      "  };\n"
                      "  d.addEventListener('dragover', noFiles, true);\n"
                      "  d.addEventListener('drop', noFiles, true);\n"
                      "}\n"
                      "d.designMode = 'on';\n"
                      "return true;\n"
                      "})();\n");
    return script;
}

QString EditorReadScript()
{
    return QStringLiteral(
        "(function () { return window.ordoEdited === true ? document.body.innerHTML : null; })();");
}

QString EditorCommandScript(const QString &command, bool needEnabled, const QString &value, bool marksEdit)
{
    return QStringLiteral(
               "(function (c, e, v, m) {\n"
               "var d = document;\n"
               "if (!d.queryCommandSupported(c) || (e && !d.queryCommandEnabled(c))) return false;\n"
               "var done = d.execCommand(c, false, v);\n"
               "if (done && m) window.ordoEdited = true;\n"
               "return done;\n"
               "})(%1, %2, %3, %4);")
        .arg(JsStringLiteral(command), needEnabled ? QStringLiteral("true") : QStringLiteral("false"),
             value.isNull() ? QStringLiteral("null") : JsStringLiteral(value),
             marksEdit ? QStringLiteral("true") : QStringLiteral("false"));
}

QString EditorCommandEnabledScript(const QString &command)
{
    return QStringLiteral("(function (c) { var d = document; return d.designMode === 'on' && "
                          "d.queryCommandSupported(c) && d.queryCommandEnabled(c); })(%1);")
        .arg(JsStringLiteral(command));
}

QString EditorFontScript(const QFont &font)
{
    QStringList decoration;
    if (font.underline())
        decoration << QStringLiteral("underline");
    if (font.strikeOut())
        decoration << QStringLiteral("line-through");
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12;
    // The editor's own fontName command splits the selection into runs of
    // text wherever blocks and other styles require; each run it marks gets
    // the rest of the font too. A marker family finds exactly those runs.
    return QStringLiteral(
               "(function (family, size, weight, slant, decoration) {\n"
               "var d = document;\n"
               "if (d.designMode !== 'on' || !d.queryCommandSupported('fontName') ||\n"
               "    !d.queryCommandEnabled('fontName')) return false;\n"
               "var s = getSelection();\n"
               "if (!s.rangeCount || s.isCollapsed) return false;\n"
               "var marker = 'ordo-font-mark-' + Math.floor(Math.random() * 1e9);\n"
               "d.execCommand('styleWithCSS', false, true);\n"
               "var done = d.execCommand('fontName', false, marker);\n"
               "d.execCommand('styleWithCSS', false, false);\n"
               "if (!done) return false;\n"
               "var found = false;\n"
               "d.body.querySelectorAll('[style]').forEach(function (e) {\n"
               "  if (e.style.fontFamily.indexOf(marker) < 0) return;\n"
               "  found = true;\n"
               "  e.style.fontFamily = '\"' + family.replace(/[\"\\\\]/g, '') + '\"';\n"
               "  e.style.fontSize = size + 'pt';\n"
               "  e.style.fontWeight = weight;\n"
               "  e.style.fontStyle = slant;\n"
               "  e.style.textDecoration = decoration;\n"
               "});\n"
               "if (found) window.ordoEdited = true;\n"
               "return found;\n"
               "})(%1, %2, %3, %4, %5);")
        .arg(JsStringLiteral(font.family()), QString::number(points, 'g', 4),
             JsStringLiteral(QString::number(font.weight() >= QFont::DemiBold ? 700 : 400)),
             JsStringLiteral(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal")),
             JsStringLiteral(decoration.isEmpty() ? QStringLiteral("none") : decoration.join(QLatin1Char(' '))));
}

QString EditorToggleModeScript()
{
    return QStringLiteral("(function () {\n"
                          "var d = document;\n"
                          "var html = window.ordoEdited === true ? d.body.innerHTML : null;\n"
                          "d.designMode = d.designMode === 'on' ? 'off' : 'on';\n"
                          "return {html: html, design: d.designMode === 'on'};\n"
                          "})();");
}
