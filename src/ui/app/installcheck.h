#pragma once

class COrdoApp;
class QString;
class QTextStream;

// "ordoteca --check CATALOGUE": starts the program without showing anything
// that waits for the user, opens the catalogue, writes to out where the
// program found its files, and tells whether everything is there. Returns the
// process exit code: 0 when the catalogue template, styles, templates and
// user guide were found and the catalogue opened.
int RunInstallCheck(COrdoApp &app, const QString &catalogue, QTextStream &out);
