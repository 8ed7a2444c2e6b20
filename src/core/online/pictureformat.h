#pragma once

#include <QByteArray>
#include <QString>

// The file extension of a picture from its first bytes, whatever the server
// said it was: ".jpg", ".gif", ".png" or ".webp"; empty for anything else
// (an error page, a script, a truncated answer).
QString PictureExtension(const QByteArray &data);
