#include "propertysheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertyPage::CPropertyPage(const QString &caption, QWidget *parent) : QWidget(parent)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void CPropertyPage::UpdateData(bool saveAndValidate)
{
    if (m_initialized)
        DoDataExchange(saveAndValidate);
}

void CPropertyPage::OnInitDialog()
{
    UpdateData(false);
}

void CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which has just filled the
    // controls; later ones show what the members hold now.
    if (m_firstSetActive)
        m_firstSetActive = false;
    else
        UpdateData(false);
}

void CPropertyPage::DoDataExchange(bool saveAndValidate)
{
    (void)saveAndValidate;
}

bool CPropertyPage::OnKillActive()
{
    return true;
}

CPropertySheet::CPropertySheet(const QString &caption, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_tabs = new QTabWidget(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);

    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::onTabChanged);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::PressOk);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Ctrl+Tab and Ctrl+PgDn turn the page from wherever the focus is (the
    // tab bar alone would need the focus inside a page's plain field).
    const auto turn = [this](int step) {
        const int count = m_tabs->count();
        if (count > 1)
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
    };
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [turn] { turn(1); });
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                    QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [turn] { turn(-1); });
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage *page)
{
    page->m_sheet = this;
    m_pages << page;
    m_switching = true; // the first tab added becomes current; that is no visit yet
    m_tabs->addTab(page, page->windowTitle());
    m_switching = false;
}

QPushButton *CPropertySheet::okButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton *CPropertySheet::cancelButton() const
{
    return m_buttons->button(QDialogButtonBox::Cancel);
}

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return false;
    if (!m_shownOnce) {
        m_startPage = index;
        m_switching = true;
        m_tabs->setCurrentIndex(index);
        m_switching = false;
        return true;
    }
    m_tabs->setCurrentIndex(index);
    return m_current == index;
}

bool CPropertySheet::PressOk()
{
    if (!OnOK())
        return false;
    accept();
    return true;
}

bool CPropertySheet::OnOK()
{
    return m_current < 0 || leavePage(m_current);
}

void CPropertySheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (!m_pages.isEmpty()) {
        m_switching = true;
        m_tabs->setCurrentIndex(m_startPage);
        m_switching = false;
        activatePage(m_startPage);
    }
    OnInitDialog();
    // The keyboard starts in the start page's first field, as in any dialog;
    // left to the window it would land on the tab bar, where typing is lost
    // and Enter presses OK on an untouched page.
    if (CPropertyPage *page = GetActivePage()) {
        for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

void CPropertySheet::onTabChanged(int index)
{
    if (m_switching || !m_shownOnce || index < 0 || index == m_current)
        return;
    const int leaving = m_current;
    if (leaving >= 0) {
        // Put the old page back while it is checked, so a refusal message
        // appears over the page it is about.
        m_switching = true;
        m_tabs->setCurrentIndex(leaving);
        m_switching = false;
        if (!leavePage(leaving))
            return;
        m_switching = true;
        m_tabs->setCurrentIndex(index);
        m_switching = false;
    }
    activatePage(index);
}

void CPropertySheet::activatePage(int index)
{
    CPropertyPage *page = m_pages.value(index);
    if (!page)
        return;
    m_current = index;
    if (!page->m_initialized) {
        page->m_initialized = true;
        page->OnInitDialog();
    }
    page->OnSetActive();
}

bool CPropertySheet::leavePage(int index)
{
    CPropertyPage *page = m_pages.value(index);
    if (!page || !page->m_initialized)
        return true;
    page->UpdateData(true);
    return page->OnKillActive();
}
