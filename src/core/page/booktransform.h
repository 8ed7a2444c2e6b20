#pragma once

#include <QString>

// Which step of a page transformation went wrong. The first three have a
// message of their own (TransformMessageId); a failed transformation shows
// the welcome page without one.
enum class TransformStatus {
    Ok,
    DomFailed,     // no parser or transformation context could be made
    XmlLoadFailed, // the book XML is not well-formed
    XslLoadFailed, // the template file is missing, unreadable, not XML or not XSLT
    TransformFailed,
};

struct TransformResult
{
    TransformStatus status = TransformStatus::DomFailed;
    QString html;      // the rewritten page HTML when status is Ok, else empty
    QString errorText; // what the XML and XSLT engines reported, for diagnostics

    bool ok() const { return status == TransformStatus::Ok; }
};

// Transforms the book XML text with the XSL template file (read anew at each
// call) and applies RewriteOrdoAttributes (all attributes) to the output:
// templates name picture sources and link targets "ordosrc" and "ordohref"
// so that the HTML serializer leaves them unescaped. Parsing never loads
// external entities or DTDs and never reaches the network; the template may
// not write files, create folders or use the network. The engines' messages
// end up in errorText, never on stderr.
[[nodiscard]] TransformResult TransformBookXml(const QString &xml, const QString &xslPath);

// The string id of the message for a failed step: 136, 137 or 138; 0 for Ok
// and for a failed transformation.
int TransformMessageId(TransformStatus status);

// The message the user sees for a failed step, empty when there is none. A
// book XML that did not load names the parser's reason after the designed
// text: a silent "Failed to load XML." leaves nothing to act on.
QString TransformMessageText(const TransformResult &result);
