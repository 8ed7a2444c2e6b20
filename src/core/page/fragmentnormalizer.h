#pragma once

#include <QString>

// Makes one description or notes fragment (HTML from the web or the editor)
// safe to place among other books: parsed as HTML and written back balanced,
// so an unclosed comment, <textarea>, <plaintext>, <title>, <xmp> or <style>
// ends with its own fragment. <style>, <link>, <base> and <meta> are dropped
// (one book must not restyle the page), and the raw-text elements become
// <pre> so their text still shows. Text without markup is returned as is.
QString NormalizeHtmlFragment(const QString &html);
