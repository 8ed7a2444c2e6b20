#pragma once

#include <QLineEdit>

// The filter bar above the book list: what is typed narrows the list (see
// COrdoListView::setFilterText). Esc empties it; Down and Enter go on to
// the list.
class CListFilterBar : public QLineEdit
{
    Q_OBJECT

public:
    explicit CListFilterBar(QWidget *parent = nullptr);

signals:
    // Down or Enter: the user wants to pick from the rows found.
    void moveToListRequested();
    void focused();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};
