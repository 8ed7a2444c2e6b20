#pragma once

#include "app/apppaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// An application folder with one style sheet and one template, made the
// program's folder for as long as it lives: enough for the main window.
struct StyleFolder
{
    QTemporaryDir dir;
    StyleFolder()
    {
        QDir().mkpath(dir.path() + "/Styles/CSS");
        for (const QString &name : {QString("/Styles/CSS/Plain.css"), QString("/Styles/ListEnu.xsl")}) {
            QFile f(dir.path() + name);
            f.open(QIODevice::WriteOnly);
        }
        SetAppFolder(dir.path());
    }
};
