#pragma once

#include <QFont>
#include <QString>
#include <QUrl>

// The HTML editors' own page and the scripts they run in the application's
// script world. The page is the editor's wrapper (title, character set, body
// font); only the book's text ever goes into its body, so the wrapper never
// ends up inside the stored text.

// The editor page: a file in a folder of its own under the temporary folder,
// written once per process. Invalid when the file cannot be written.
QUrl EditorPageUrl();

// Puts html into the body, switches design mode on and installs the
// listeners: any user edit sets the flag the read-back script looks at,
// right clicks show no menu, dropped files are refused. edited presets that
// flag (a page reloaded with text the user had already changed). Returns true.
QString EditorStartScript(const QString &html, bool edited);

// The body's HTML when the user has changed it, else null.
QString EditorReadScript();

// Runs document.execCommand(command, false, value) when the editor reports
// the command supported and, with needEnabled, enabled. Returns whether it
// ran; a command that ran counts as an edit when marksEdit.
QString EditorCommandScript(const QString &command, bool needEnabled, const QString &value = QString(),
                            bool marksEdit = true);

// True when the editor is in design mode and reports command supported and
// enabled: the commands that act on the selection ask before their dialog.
QString EditorCommandEnabledScript(const QString &command);

// Gives the selected text the whole of font (family, size in points,
// weight, slant, underline and strike-out), through the editor's own font
// command so that paragraphs and other styles inside the selection are kept.
// Returns whether it ran (false with nothing selected or the command
// disabled); a change counts as an edit.
QString EditorFontScript(const QFont &font);

// Switches design mode on or off. Returns {html: the body's HTML when
// edited, else null, design: true when design mode is now on}.
QString EditorToggleModeScript();
