#pragma once

#include "catalog/linkentry.h"
#include "widgets/propertysheet.h"

#include <QVector>
#include <functional>
#include <memory>

class CLinkProperties;

namespace Ui {
class CBookLinksPage;
}

// "Related Links": the book's links (web addresses, files, folders, other
// references) in a list of ID, title, path and notes, with Add, Delete and
// Edit through the link sheet.
//
// m_links is what the sheet gives and takes: the page lists it when first
// shown and writes the list back into it whenever it is left. A new link is
// numbered one past the last number given, the highest number shown and the
// row count, so a number is never given twice while the sheet is open (not
// even one of a deleted link); saving the book numbers the links 1, 2, 3 ...
// again.
class CBookLinksPage : public CPropertyPage
{
    Q_OBJECT

public:
    // Runs a ready link sheet and returns its result (QDialog::Accepted or
    // Rejected). The default runs it modally.
    using SheetRunner = std::function<int(CLinkProperties &sheet)>;

    explicit CBookLinksPage(QWidget *parent = nullptr);
    ~CBookLinksPage() override;

    QVector<CLinkEntry> m_links;

    Ui::CBookLinksPage *form() const { return ui.get(); }
    void setSheetRunner(SheetRunner runner);

    void Add();
    void Delete();
    void Edit();

protected:
    void OnInitDialog() override;
    // Writes the list back into m_links; never refuses.
    bool OnKillActive() override;

private:
    int selectedRow() const;
    int nextNumber() const;
    int runSheet(CLinkProperties &sheet);

    std::unique_ptr<Ui::CBookLinksPage> ui;
    SheetRunner m_runner;
    int m_linkCounter = 0; // the last number given (the row count at first)
};
