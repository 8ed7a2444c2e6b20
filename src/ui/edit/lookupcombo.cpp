#include "lookupcombo.h"

#include "catalog/lookup.h"

#include <QComboBox>
#include <QCompleter>

void FillLookupCombo(QComboBox *combo, const QString &table, Connection *connection)
{
    combo->clear();
    if (connection) {
        QStringList names;
        ReadLookupNames(table, *connection, names);
        combo->addItems(names);
    }
    if (QCompleter *completer = combo->completer())
        completer->setCompletionMode(QCompleter::PopupCompletion);
}

void SetComboText(QComboBox *combo, const QString &text)
{
    int index = -1;
    if (!text.isEmpty()) {
        index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            index = combo->findText(text, Qt::MatchFixedString);
        if (index < 0 && !combo->isEditable()) {
            combo->addItem(text);
            index = combo->count() - 1;
        }
    }
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable())
        combo->setEditText(text);
}

QString ComboText(const QComboBox *combo)
{
    if (combo->isEditable())
        return combo->currentText();
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}
