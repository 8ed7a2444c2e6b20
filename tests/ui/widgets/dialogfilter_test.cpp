// String-table filters in the form the file dialogs take, "All Files"
// showing every file.
#include "app/strings.h"
#include "widgets/dialogfilter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class DialogFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void tableFilters_becomeDialogFilters_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("two patterns") << "HTML Files (*.htm, *.html)|*.htm;*.html||"
                                      << "HTML Files (*.htm *.html)";
        QTest::newRow("all files last") << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"
                                        << "Text Files (*.txt);;All Files (*)";
        QTest::newRow("translated") << QString::fromUtf8("文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||")
                                    << QString::fromUtf8("文本文件 (*.txt);;所有文件 (*)");
        QTest::newRow("blanks around patterns") << "Pictures|*.jpg; *.png ; *.*||"
                                                << "Pictures (*.jpg *.png *)";
    }
    void tableFilters_becomeDialogFilters()
    {
        QFETCH(QString, table);
        QFETCH(QString, dialog);
        QCOMPARE(DialogFilter(table), dialog);
    }

    // Every "All Files" filter of the string table shows files without a
    // dot in their names.
    void allFiles_showsNamesWithoutADot()
    {
        QTemporaryDir dir;
        for (const char *name : {"README", "isbns.txt", "Βιβλία"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        for (int id : {IDS_FILTER_TEXT, IDS_FILTER_LINK_FILES}) {
            const QStringList filters = DialogFilter(LoadStr(id)).split(";;");
            const auto all = std::find_if(filters.begin(), filters.end(),
                                          [](const QString &f) { return f.startsWith("All Files"); });
            QVERIFY2(all != filters.end(), qPrintable(LoadStr(id)));
            const QRegularExpression inBrackets("\\(([^)]*)\\)");
            const QStringList patterns = inBrackets.match(*all).captured(1).split(' ');
            QStringList shown = QDir(dir.path()).entryList(patterns, QDir::Files);
            shown.sort();
            QCOMPARE(shown, QStringList({"README", "isbns.txt", "Βιβλία"}));
        }
    }
};

QTEST_GUILESS_MAIN(DialogFilterTest)
#include "dialogfilter_test.moc"
