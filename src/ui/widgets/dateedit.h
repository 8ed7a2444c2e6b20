#pragma once

#include <QDateEdit>

// A date editor for typing: the date in the user's short format (with a
// four-digit year) and a calendar popup. A key typed while the cursor merely
// sits in a section replaces that section, as it does when the section is
// selected; Qt's own editor would otherwise drop the key or mix it into the
// old text (typing "May" into "Jan" must give May). A month shown as a number
// also takes its name typed ("May" gives 05).
class CDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit CDateEdit(QWidget *parent = nullptr);

    // The user's short date format with "yyyy" for the year.
    static QString localDisplayFormat();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void selectCurrentSection();
    bool monthIsNumeric() const;
    // 1..12 for the first month whose name begins with prefix, else 0.
    static int monthForPrefix(const QString &prefix);

    Section m_lastTypedSection = NoSection;
    int m_lastTypedPosition = -1;
    QString m_monthLetters;
};
