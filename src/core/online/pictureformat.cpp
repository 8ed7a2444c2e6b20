#include "pictureformat.h"

QString PictureExtension(const QByteArray &data)
{
    if (data.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral(".jpg");
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return QStringLiteral(".gif");
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral(".png");
    if (data.size() >= 12 && data.startsWith("RIFF") && data.mid(8, 4) == "WEBP")
        return QStringLiteral(".webp");
    return {};
}
