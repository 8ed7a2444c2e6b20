#pragma once

#include <QString>

// The images folder of the open catalogue (no trailing "/"), where its cover
// pictures live. Set by the document when a catalogue opens.
QString ImagesFolder();
void SetImagesFolder(const QString &folder);

// The images folder that belongs to a catalogue path: the path without a
// final ".mdb" (any case) followed by "_images".
QString ImagesFolderForCatalog(const QString &catalogPath);
