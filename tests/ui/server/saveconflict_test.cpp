#include "app/choicequestion.h"
#include "catalog/dberror.h"
#include "edit/saveconflict.h"
#include "recordingmessenger.h"

#include <QTest>

namespace {

// Records the questions with buttons and gives scripted answers.
class ChoiceMessenger : public RecordingMessenger, public IChoiceMessenger
{
public:
    int askChoice(const QString &text, const QStringList &buttons, Icon) override
    {
        choiceQuestions << text;
        choiceButtons << buttons;
        return choice;
    }
    QStringList choiceQuestions;
    QList<QStringList> choiceButtons;
    int choice = 0;
};

CBookRecord::SaveConflict conflict(int code)
{
    CBookRecord::SaveConflict c;
    c.code = code;
    c.changedBy = QStringLiteral("ordo_editor");
    c.changedAt = QDateTime(QDate(2026, 3, 4), QTime(10, 20), Qt::UTC);
    return c;
}

} // namespace

class SaveConflictTest : public QObject
{
    Q_OBJECT

private slots:
    void changedBookOffersOverwriteReloadCancel_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("expected");
        QTest::newRow("overwrite") << 0 << true << int(SaveConflictChoice::Overwrite);
        QTest::newRow("reload confirmed") << 1 << true << int(SaveConflictChoice::Reload);
        QTest::newRow("reload not confirmed") << 1 << false << int(SaveConflictChoice::KeepEditing);
        QTest::newRow("cancel") << 2 << true << int(SaveConflictChoice::KeepEditing);
    }

    void changedBookOffersOverwriteReloadCancel()
    {
        QFETCH(int, choice);
        QFETCH(bool, confirm);
        QFETCH(int, expected);
        ChoiceMessenger messages;
        messages.choice = choice;
        messages.answer = confirm;
        QCOMPARE(int(AskAboutSaveConflict(conflict(DbErrorCode::Conflict))), expected);
        QCOMPARE(messages.choiceQuestions.size(), 1);
        QVERIFY(messages.choiceQuestions.constFirst().startsWith(QLatin1String("ordo_editor changed this book at ")));
        QCOMPARE(messages.choiceButtons.constFirst().size(), 3);
        // Only Reload throws edits away, so only it asks to be sure.
        QCOMPARE(messages.questions.size(), choice == 1 ? 1 : 0);
    }

    void deletedBookOffersSavingAsNew()
    {
        ChoiceMessenger messages;
        messages.choice = 0;
        QCOMPARE(AskAboutSaveConflict(conflict(DbErrorCode::RowDeleted)), SaveConflictChoice::SaveAsNew);
        QVERIFY(messages.choiceQuestions.constFirst().startsWith(QLatin1String("ordo_editor deleted this book at ")));
        QCOMPARE(messages.choiceButtons.constFirst().size(), 2);
        messages.choice = 1;
        QCOMPARE(AskAboutSaveConflict(conflict(DbErrorCode::RowDeleted)), SaveConflictChoice::KeepEditing);
    }

    void aMessengerWithoutButtonsKeepsTheEdits()
    {
        // The recording messenger hears the question and the edits stay:
        // nothing is overwritten without the user saying so.
        RecordingMessenger messages;
        QCOMPARE(AskAboutSaveConflict(conflict(DbErrorCode::Conflict)), SaveConflictChoice::KeepEditing);
        QCOMPARE(messages.questions.size(), 1);
    }

    void otherFailuresAskNothing()
    {
        ChoiceMessenger messages;
        QCOMPARE(AskAboutSaveConflict(conflict(0)), SaveConflictChoice::KeepEditing);
        QCOMPARE(AskAboutSaveConflict(conflict(DbErrorCode::ConnectionLost)), SaveConflictChoice::KeepEditing);
        QVERIFY(messages.choiceQuestions.isEmpty());
    }

    void unknownUserIsSomeoneElse()
    {
        CBookRecord::SaveConflict c = conflict(DbErrorCode::Conflict);
        c.changedBy.clear();
        QVERIFY(SaveConflictQuestion(c).startsWith(QLatin1String("Someone else changed this book")));
    }
};

QTEST_MAIN(SaveConflictTest)
#include "saveconflict_test.moc"
