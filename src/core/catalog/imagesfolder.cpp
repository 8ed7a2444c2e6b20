#include "imagesfolder.h"

namespace {
QString g_imagesFolder;
}

QString ImagesFolder()
{
    return g_imagesFolder;
}

void SetImagesFolder(const QString &folder)
{
    g_imagesFolder = folder;
}

QString ImagesFolderForCatalog(const QString &catalogPath)
{
    QString base = catalogPath;
    if (base.right(4).toLower() == QLatin1String(".mdb"))
        base.chop(4);
    return base + QLatin1String("_images");
}
