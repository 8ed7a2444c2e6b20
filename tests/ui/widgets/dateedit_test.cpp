// Typing dates: every section takes what is typed, month names included, in
// the user's format, with a calendar popup.
#include "edit/datepickerwithnone.h"
#include "widgets/dateedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// Puts the cursor inside a section without selecting it, as a click does.
void placeCursorIn(CDateEdit &edit, QDateTimeEdit::Section section)
{
    auto *line = edit.findChild<QLineEdit *>();
    QList<int> inside;
    for (int pos = 0; pos <= line->text().size(); ++pos) {
        line->setCursorPosition(pos);
        if (edit.currentSection() == section)
            inside << pos;
    }
    if (inside.isEmpty())
        qWarning("section not found");
    line->deselect();
    line->setCursorPosition(inside.value(inside.size() / 2));
}

} // namespace

class DateEditTest : public QObject
{
    Q_OBJECT

private slots:
    void typing_replacesTheSectionTheCursorIsIn_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("expected");
        const int day = QDateTimeEdit::DaySection;
        const int month = QDateTimeEdit::MonthSection;
        const int year = QDateTimeEdit::YearSection;
        for (const char *format :
             {"d MMM yyyy", "MMM dd, yyyy", "dd/MM/yyyy", "M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd"}) {
            const QString f = QString::fromLatin1(format);
            QTest::addRow("%s: month name", format) << f << month << QString("May") << QDate(2024, 5, 15);
            QTest::addRow("%s: month name lower case", format)
                << f << month << QString("dec") << QDate(2024, 12, 15);
            QTest::addRow("%s: day", format) << f << day << QString("7") << QDate(2024, 1, 7);
            QTest::addRow("%s: two-digit day", format) << f << day << QString("28") << QDate(2024, 1, 28);
            QTest::addRow("%s: year", format) << f << year << QString("1999") << QDate(1999, 1, 15);
        }
        for (const char *format : {"dd/MM/yyyy", "M/d/yyyy", "yyyy-MM-dd"})
            QTest::addRow("%s: month number", format)
                << QString::fromLatin1(format) << month << QString("5") << QDate(2024, 5, 15);
    }

    void typing_replacesTheSectionTheCursorIsIn()
    {
        QFETCH(QString, format);
        QFETCH(int, section);
        QFETCH(QString, keys);
        QFETCH(QDate, expected);
        CDateEdit edit;
        edit.setDisplayFormat(format);
        edit.setDate(QDate(2024, 1, 15));
        edit.show();
        QApplication::setActiveWindow(&edit);
        edit.setFocus();
        placeCursorIn(edit, QDateTimeEdit::Section(section));
        QTest::keyClicks(&edit, keys);
        QCOMPARE(edit.date(), expected);
    }

    void typing_monthNamesOfTheUsersLanguage()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        {
            CDateEdit edit;
            edit.setDisplayFormat("dd/MM/yyyy");
            edit.setDate(QDate(2024, 1, 15));
            edit.show();
            QApplication::setActiveWindow(&edit);
            edit.setFocus();
            placeCursorIn(edit, QDateTimeEdit::MonthSection);
            QTest::keyClicks(&edit, "ao"); // août
            QCOMPARE(edit.date(), QDate(2024, 8, 15));
            // The short date of the locale, with a four-digit year.
            QCOMPARE(CDateEdit::localDisplayFormat(), QString("dd/MM/yyyy"));
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(CDateEdit::localDisplayFormat(), QString("M/d/yyyy"));
        QLocale::setDefault(QLocale::c());
    }

    void pickers_useTheTypingEditorWithACalendar()
    {
        CDatePickerWithNone picker;
        auto *edit = qobject_cast<CDateEdit *>(picker.dateEdit());
        QVERIFY(edit);
        QVERIFY(edit->calendarPopup());
        QCOMPARE(edit->displayFormat(), CDateEdit::localDisplayFormat());
    }
};

QTEST_MAIN(DateEditTest)
#include "dateedit_test.moc"
