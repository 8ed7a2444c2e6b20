#pragma once

#include <QDialog>
#include <QVector>
#include <QWidget>

class CPropertySheet;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// One page of a CPropertySheet. A page keeps its values in members; its
// controls only show them. The sheet moves values between the two through
// DoDataExchange, and only for pages the user has actually visited: a page
// that is never shown keeps whatever its members were given, so OK writes
// those values back unchanged.
//
// Hooks, all run by the sheet:
//   OnInitDialog   once, the first time the page becomes current (lazy).
//                  The default fills the controls from the members;
//                  overrides call it first and then adjust the controls.
//   OnSetActive    every time the page becomes current, after OnInitDialog
//                  on the first time. The default refreshes the controls
//                  from the members when the page comes back.
//   DoDataExchange saveAndValidate true: controls -> members;
//                  false: members -> controls.
//   OnKillActive   after the controls were read into the members, whenever
//                  the page is left (another tab or OK). False keeps the page
//                  current (the page tells the user why).
class CPropertyPage : public QWidget
{
    Q_OBJECT

public:
    // caption is the page's tab text.
    explicit CPropertyPage(const QString &caption = QString(), QWidget *parent = nullptr);

    // The sheet the page was added to, nullptr before AddPage.
    CPropertySheet *GetSheet() const { return m_sheet; }
    // True once OnInitDialog has run (the page has been current at least once).
    bool IsInitialized() const { return m_initialized; }

    // Runs DoDataExchange in the given direction. Does nothing for a page that
    // has never been initialised, so its members stay as they were.
    void UpdateData(bool saveAndValidate = true);

protected:
    virtual void OnInitDialog();
    virtual void OnSetActive();
    virtual void DoDataExchange(bool saveAndValidate);
    virtual bool OnKillActive();

private:
    friend class CPropertySheet;

    CPropertySheet *m_sheet = nullptr;
    bool m_initialized = false;
    bool m_firstSetActive = true;
};

// A modal tabbed sheet with OK and Cancel (no Apply). Pages are added once,
// before the sheet is shown; the sheet owns them (they become its children).
//
// Switching tabs first reads the current page's controls and asks its
// OnKillActive; a refusal keeps the page. OK runs the virtual OnOK, which by
// default does the same for the current page; sheets that save something
// override it, call the base and then save. The sheet closes with Accepted
// only when OnOK returns true; Cancel never touches the members.
class CPropertySheet : public QDialog
{
    Q_OBJECT

public:
    explicit CPropertySheet(const QString &caption, QWidget *parent = nullptr);
    ~CPropertySheet() override;

    // Takes ownership of page and appends it as the last tab.
    void AddPage(CPropertyPage *page);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage *GetPage(int index) const { return m_pages.value(index); }

    // The page that is current, nullptr before the sheet was first shown.
    CPropertyPage *GetActivePage() const { return m_pages.value(m_current); }
    int GetActiveIndex() const { return m_current; }
    // Before the sheet is shown: chooses the page it opens on. Afterwards:
    // switches like a click on the tab, so the leave check may refuse (false).
    bool SetActivePage(int index);

    QTabWidget *tabWidget() const { return m_tabs; }
    QPushButton *okButton() const;
    QPushButton *cancelButton() const;

    // What the OK button runs: OnOK, then closes with Accepted when it agreed.
    // True when the sheet was accepted.
    bool PressOk();

protected:
    // Runs once, the first time the sheet is shown, after its start page has
    // been initialised.
    virtual void OnInitDialog() {}
    // Default: read the current page's controls and run its leave check.
    virtual bool OnOK();

    void showEvent(QShowEvent *event) override;

private:
    void onTabChanged(int index);
    void activatePage(int index);
    bool leavePage(int index);

    QTabWidget *m_tabs = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QVector<CPropertyPage *> m_pages;
    int m_current = -1;
    int m_startPage = 0;
    bool m_shownOnce = false;
    bool m_switching = false;
};
