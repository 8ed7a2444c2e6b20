#pragma once

#include "app/mainframe.h"
#include "catalog/ordodoc.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "stylefolder.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QStringList>

// The main window with a catalogue open that holds four books in four
// scripts (BookIDs 1 to 4, all in the root collection); messages are
// recorded, settings kept in a folder of their own.
struct MainWindowCatalog
{
    StyleFolder folder;
    TestSettings settings;
    TestCatalog cat;
    RecordingMessenger messages;
    COrdoDoc doc;
    CMainFrame frame{&doc};

    MainWindowCatalog()
    {
        if (!frame.create() || !doc.OnOpenDocument(cat.path()))
            qFatal("the main window could not start");
        const QStringList titles = {"L'Étranger", "Война и мир", "Η Οδύσσεια", "红楼梦"};
        for (int i = 0; i < titles.size(); ++i) {
            cat.exec(QString("INSERT INTO book (BookID, Title) VALUES (%1, %2)")
                         .arg(i + 1)
                         .arg(FormatSqlValue(titles.at(i), SqlText)));
            cat.exec(QString("INSERT INTO book_category (BookID, CatID) VALUES (%1, 1)").arg(i + 1));
        }
        messages.clear();
    }
};
