#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

// Scripts the book page pane runs in its own script world, and the blank
// page they write into. Page content never runs scripts of its own.

// text as a double-quoted JavaScript string literal (quotes, backslashes,
// control characters and the two Unicode line terminators escaped), so any
// page HTML can be handed to the page in one script.
QString JsStringLiteral(QStringView text);

// Sets the page title and replaces the body's content with bodyHtml. The
// style-sheet link the pane owns is created at the end of the head the first
// time, pointing at styleSheetUrl; later it is re-pointed only when reload is
// true. A new display (reload false) starts at the top of the page unless
// keepPosition (more books of the same page) is set.
QString PageDisplayScript(const QString &title, const QString &bodyHtml, const QUrl &styleSheetUrl,
                          bool reload, bool keepPosition = false);

// The id of the style-sheet link element the pane owns.
inline constexpr char kStyleSheetElementId[] = "ordo-style-sheet";

// The blank page: a file in a folder of its own under the temporary folder,
// written once per process, so the page has a file:// base and covers given
// as plain paths display. Invalid when the file cannot be written.
QUrl BlankPageUrl();
