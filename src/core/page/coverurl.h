#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Picture sources of the page as file URLs: a catalogue folder named
// "Books #2", "What?" or "100%" must still show its covers, and as a plain
// path in src those characters would start a fragment, a query or an escape.

// The file URL of an absolute path ("file:///..." with #, ?, % and spaces
// escaped); anything else unchanged. The URL of an existing file carries its
// modification time and size as a query ("?v=..."), so a picture replaced
// under the same name gets a new address.
QString CoverFileUrl(const QString &path);

// Turns every <img ordosrc="value"> of the template output (UTF-8) into a
// real src attribute, an absolute path becoming its file URL, in one pass: a
// page of a thousand books is several megabytes. With allAttributes, any
// other "<img ordosrc=" (a value quoted otherwise) becomes "<img src=" and
// every "<a ordohref=" becomes "<a href=" (exactly so, case-sensitive).
QByteArray RewriteOrdoAttributes(QByteArrayView html, bool allAttributes);
