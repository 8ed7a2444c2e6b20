#pragma once

#include "widgets/propertysheet.h"

#include <functional>
#include <memory>

class CPictureCtrl;

namespace Ui {
class CBookCoversPage;
}

// "Covers": the front and back cover pictures side by side. Each side has a
// full path (empty: no cover), chosen with Browse... or emptied with Clear; a
// side without a readable picture shows the placeholder cover. Clicking a
// shown cover opens its file with the desktop's program for it.
//
// The sheet sets the two paths before the page is shown and reads them back
// on OK; they become the record's new cover sources.
class CBookCoversPage : public CPropertyPage
{
    Q_OBJECT

public:
    enum Side { Front = 0, Back = 1 };
    // Asks for a picture file; empty for Cancel.
    using Chooser = std::function<QString()>;
    // Opens a cover file outside the program.
    using Opener = std::function<void(const QString &path)>;

    explicit CBookCoversPage(QWidget *parent = nullptr);
    ~CBookCoversPage() override;

    QString m_frontPath;
    QString m_backPath;

    Ui::CBookCoversPage *form() const { return ui.get(); }
    CPictureCtrl *picture(Side side) const;

    void setChooser(Chooser chooser);
    void setOpener(Opener opener);
    // Pictures the lookup downloaded into temporary files, and the address
    // they came from (empty when unknown): such a path is no place of the
    // picture's, so the page names the download instead.
    void setDownloads(const QStringList &files, const QString &address);
    // The text shown for a path.
    QString pathText(const QString &path) const;

    void Browse(Side side);
    void Clear(Side side);

    // The built-in picture shown for a missing cover (150 x 215 GIF).
    static QString PlaceholderResource();

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString &path(Side side) { return side == Front ? m_frontPath : m_backPath; }
    void showCover(Side side);
    void showPath(Side side);

    std::unique_ptr<Ui::CBookCoversPage> ui;
    Chooser m_chooser;
    Opener m_opener;
    QStringList m_downloads;
    QString m_downloadAddress;
};
