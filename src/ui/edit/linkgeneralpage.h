#pragma once

#include "catalog/linkrules.h"
#include "widgets/propertysheet.h"

#include <functional>
#include <memory>

class QRadioButton;

namespace Ui {
class CLinkGeneralPage;
}

// The one page of the link sheet: a link's type, title, path and notes. The
// type is not stored; it starts as File for a new link and is guessed from
// the path for an existing one. Each type offers its own title suggestions
// and decides whether "..." browses (for a file or a folder). Leaving checks
// the input by type and keeps the page when it is wrong.
class CLinkGeneralPage : public CPropertyPage
{
    Q_OBJECT

public:
    // Asks for a file (File) or a folder (Folder); empty for Cancel.
    using Chooser = std::function<QString(LinkType type)>;

    explicit CLinkGeneralPage(bool isAdd, QWidget *parent = nullptr);
    ~CLinkGeneralPage() override;

    int m_type = int(LinkType::File);
    QString m_title;
    QString m_path;
    QString m_notes;

    Ui::CLinkGeneralPage *form() const { return ui.get(); }
    void setChooser(Chooser chooser);

    // The title suggestions of a type, in the interface language.
    static QStringList Suggestions(LinkType type);

    void ChooseType(LinkType type);
    void Browse();

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool OnKillActive() override;

private:
    QRadioButton *radio(int type) const;
    void applyType();
    QString defaultChoice(LinkType type);

    std::unique_ptr<Ui::CLinkGeneralPage> ui;
    bool m_isAdd = false;
    Chooser m_chooser;
};
