#pragma once

#include <QString>

// Makes one description or notes fragment (HTML from the web or the editor)
// safe to place among other books: parsed as HTML and written back balanced,
// so an unclosed comment, <textarea>, <plaintext>, <title>, <xmp> or <style>
// ends with its own fragment. <style>, <link>, <base> and <meta> are dropped
// (one book must not restyle the page), and the raw-text elements become
// <pre> so their text still shows. Text without markup is returned as is.
// Markup already in that form (plain ASCII text and a few bare, properly
// nested elements, as most looked-up descriptions are) is written as the
// parser would write it, without the parser: a page of a thousand books would spend a third of its
// XML time re-parsing them.
QString NormalizeHtmlFragment(const QString &html);

// The same, always through the parser.
QString ParseHtmlFragment(const QString &html);
