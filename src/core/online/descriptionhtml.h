#pragma once

#include <QString>

// HTML that a web service sends for a description or an edition, made safe
// to store and show: script, style, iframe, frame, object, embed, applet,
// form controls, link, meta and base elements go with their content, as do
// comments; on* attributes go, and so do addresses that run script
// (javascript:, vbscript:, data:text/html). Ordinary formatting stays.
QString CleanServiceHtml(const QString &html);

// Plain text as HTML: each block between blank lines a paragraph, single
// line breaks kept as <br>, every special character escaped.
QString PlainTextToHtml(const QString &text);
