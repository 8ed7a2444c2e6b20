#pragma once

#include <QString>

class Connection;
class QComboBox;

// Helpers for the combo boxes of the book sheet that show lookup names.

// Replaces the combo's entries with every Name of table, in database order.
// Editable boxes suggest matching names in a popup instead of completing the
// typed text in place, so a typed new name is kept as typed. A reported
// database error leaves the names read so far.
void FillLookupCombo(QComboBox *combo, const QString &table, Connection *connection);

// Shows text: selects the entry of that name (exact, else ignoring case);
// without one, an editable box shows the text as it is and a list adds it as
// an entry, so a value the list does not hold survives an unchanged OK.
void SetComboText(QComboBox *combo, const QString &text);

// The typed text of an editable box, the selected entry of a list (empty
// without a selection).
QString ComboText(const QComboBox *combo);
