#include "listfilterbar.h"

#include <QKeyEvent>

CListFilterBar::CListFilterBar(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("listFilter"));
    setPlaceholderText(tr("Filter this list"));
    setClearButtonEnabled(true);
    setAccessibleName(tr("Filter this list"));
    //: Tooltip of the filter bar above the book list.
    setToolTip(tr("Show only the books whose title, subtitle, author, ISBN, publisher or series hold every "
                  "word typed; Esc clears"));
}

bool CListFilterBar::event(QEvent *event)
{
    // Enter and Insert are the window's keys for Edit Book and Add Book;
    // typed here they belong to the bar.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Insert)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CListFilterBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
        emit moveToListRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CListFilterBar::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focused();
}
