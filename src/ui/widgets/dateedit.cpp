#include "dateedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

CDateEdit::CDateEdit(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    setCalendarPopup(true);
    setDisplayFormat(localDisplayFormat());
}

QString CDateEdit::localDisplayFormat()
{
    // Two-digit years make typing old release dates ambiguous.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

void CDateEdit::selectCurrentSection()
{
    const Section section = currentSection();
    if (section != NoSection)
        setSelectedSection(section);
}

bool CDateEdit::monthIsNumeric() const
{
    // "M" or "MM" in the format, not "MMM"/"MMMM".
    const QString format = displayFormat();
    const qsizetype at = format.indexOf(QLatin1Char('M'));
    return at >= 0 && !format.mid(at).startsWith(QLatin1String("MMM"));
}

int CDateEdit::monthForPrefix(const QString &prefix)
{
    // The user's month names first, then the English ones the catalogue
    // writes ("Jan 05, 2004").
    const QLocale locales[] = {QLocale(), QLocale::c()};
    for (const QLocale &locale : locales) {
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (int month = 1; month <= 12; ++month) {
                if (locale.monthName(month, type).startsWith(prefix, Qt::CaseInsensitive))
                    return month;
            }
        }
    }
    return 0;
}

void CDateEdit::keyPressEvent(QKeyEvent *event)
{
    // Letters and digits start the section afresh; the separators, arrows
    // and editing keys keep Qt's meaning. The key after a typed one goes on
    // in the same section.
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isLetterOrNumber() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool continuing =
        m_lastTypedSection == currentSection() && m_lastTypedPosition == lineEdit()->cursorPosition();
    if (typed && !lineEdit()->hasSelectedText() && !continuing)
        selectCurrentSection();

    // A month shown as a number still takes its name: "May" gives 5.
    if (typed && text.at(0).isLetter() && currentSection() == MonthSection && monthIsNumeric()) {
        m_monthLetters = continuing ? m_monthLetters + text : text;
        const int month = monthForPrefix(m_monthLetters);
        if (month > 0) {
            const QDate current = date();
            const QDate wanted(current.year(), month,
                               qMin(current.day(), QDate(current.year(), month, 1).daysInMonth()));
            setDate(wanted);
        }
        setSelectedSection(MonthSection);
        m_lastTypedSection = currentSection();
        m_lastTypedPosition = lineEdit()->cursorPosition();
        event->accept();
        return;
    }
    if (!typed || !continuing)
        m_monthLetters.clear();

    QDateEdit::keyPressEvent(event);
    if (typed) {
        m_lastTypedSection = currentSection();
        m_lastTypedPosition = lineEdit()->cursorPosition();
    } else {
        m_lastTypedSection = NoSection;
    }
}

void CDateEdit::focusInEvent(QFocusEvent *event)
{
    m_lastTypedSection = NoSection;
    QDateEdit::focusInEvent(event);
    if (!lineEdit()->hasSelectedText())
        selectCurrentSection();
}

void CDateEdit::mouseReleaseEvent(QMouseEvent *event)
{
    m_lastTypedSection = NoSection;
    QDateEdit::mouseReleaseEvent(event);
    // A click puts the cursor in a section; show that typing replaces it.
    if (!lineEdit()->hasSelectedText())
        selectCurrentSection();
}
