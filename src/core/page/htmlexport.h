#pragma once

#include <QString>

class Connection;

// The text Save As HTML writes, made from the page HTML the view last showed
// (the view's own text is not changed):
// CR LF becomes LF; the UTF-16 META line becomes the UTF-8 one; every
// HREF="ordo.css"> refers to cssPath; each "ordolink://B/L" reference (up to
// the next double quote, or the end of the text when there is none) becomes
// the link's path, or "B/L" when the link no longer exists; every
// "ordocover://" is removed; the whole is enclosed in <HTML> ... </HTML>.
// Inserted paths are not searched again, so the rewriting always ends.
QString MakeHtmlExportText(const QString &pageHtml, const QString &cssPath, Connection *connection);

// Writes text to filePath (created or replaced) as UTF-8 without a byte-order
// mark, each line feed as CR LF (a CR LF already in the text stays one line
// end). False when the file cannot be opened or written; an existing file is
// then left as it was.
[[nodiscard]] bool WriteExportFile(const QString &filePath, const QString &text);
