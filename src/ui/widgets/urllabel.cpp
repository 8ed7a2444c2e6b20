#include "urllabel.h"

#include "desktopopener.h"

#include "app/messenger.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

namespace {

CUrlLabel::Opener &defaultOpener()
{
    static CUrlLabel::Opener opener;
    return opener;
}

// The desktop knows whether it could hand the address on, not why not: a
// refusal is reported as a missing association.
int desktopOpen(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    // 31: no application takes this kind of address.
    return url.isValid() && OpenWithDesktop(url) ? 33 : 31;
}

} // namespace

CUrlLabel::CUrlLabel(QWidget *parent) : QLabel(parent)
{
    init();
}

CUrlLabel::CUrlLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    init();
}

void CUrlLabel::init()
{
    m_opener = defaultOpener();
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Room for the focus frame around the text.
    setMargin(1);
    updateLook();
}

void CUrlLabel::setDefaultOpener(Opener opener)
{
    defaultOpener() = std::move(opener);
}

void CUrlLabel::SetUrl(const QString &address)
{
    m_address = address;
    if (text().isEmpty())
        setText(address);
    setToolTip(url());
    FitWindow();
}

QString CUrlLabel::url() const
{
    return m_address.isEmpty() ? text() : m_address;
}

void CUrlLabel::setUnderline(Underline mode)
{
    m_underline = mode;
    updateLook();
}

bool CUrlLabel::darkPalette() const
{
    return palette().color(QPalette::Window).lightness() < 128;
}

QColor CUrlLabel::currentColor() const
{
    // On a dark palette the fixed colours would hardly show: the palette's own
    // link colours are used instead, with a light red for the pointer.
    const bool dark = darkPalette();
    if (m_over)
        return dark ? QColor(255, 110, 110) : m_hoverColor;
    if (m_visited)
        return dark ? palette().color(QPalette::LinkVisited) : m_visitedColor;
    return dark ? palette().color(QPalette::Link) : m_linkColor;
}

void CUrlLabel::updateLook()
{
    m_updating = true;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, currentColor());
    setPalette(pal);
    QFont f = font();
    f.setUnderline(m_underline == UnderlineAlways || (m_underline == UnderlineHover && m_over));
    setFont(f);
    m_updating = false;
    update();
}

void CUrlLabel::FitWindow()
{
    if (!m_fit ||
        (parentWidget() && parentWidget()->layout() && parentWidget()->layout()->indexOf(this) >= 0))
        return;
    QFont underlined = font();
    underlined.setUnderline(true);
    const QFontMetrics fm(underlined);
    const QMargins m = contentsMargins();
    const int extra = 2 * margin();
    const QSize need(fm.horizontalAdvance(text()) + m.left() + m.right() + extra,
                     fm.height() + m.top() + m.bottom() + extra);
    QRect r = geometry();
    const Qt::Alignment a = alignment();
    if (a & Qt::AlignVCenter)
        r = QRect(r.left(), r.center().y() - need.height() / 2, r.width(), need.height());
    else
        r.setHeight(need.height());
    if (a & Qt::AlignHCenter)
        r = QRect(r.left() + (r.width() - need.width()) / 2, r.top(), need.width(), r.height());
    else if (a & Qt::AlignRight)
        r.setLeft(r.right() + 1 - need.width());
    else
        r.setWidth(need.width());
    setGeometry(r);
}

bool CUrlLabel::Open()
{
    m_over = false;
    const Opener opener = m_opener ? m_opener : Opener(desktopOpen);
    const int code = opener(url());
    const bool ok = code > 32;
    if (ok)
        m_visited = true;
    updateLook();
    if (!ok) {
        QApplication::beep();
        messenger().showMessage(FailureMessage(code), IMessenger::Icon::Warning);
    }
    emit opened(ok);
    return ok;
}

QString CUrlLabel::FailureMessage(int code)
{
    return tr("Unable to open hyperlink:\n\n") + ErrorText(code);
}

QString CUrlLabel::ErrorText(int code)
{
    switch (code) {
    case 0:
        return tr("The operating system is out\nof memory or resources.");
    case 2:
        return tr("The specified file was not found.");
    case 3:
        return tr("The specified path was not found.");
    case 5:
        return tr("The operating system denied\naccess to the specified file.");
    case 8:
        return tr("There was not enough memory to complete the operation.");
    case 11:
        return tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return tr("A sharing violation occurred. ");
    case 27:
        return tr("The filename association is\nincomplete or invalid.");
    case 28:
        return tr("The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return tr("The DDE transaction failed.");
    case 30:
        return tr("The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
                  "processed.");
    case 31:
        return tr("There is no application associated\nwith the given filename extension.");
    case 32:
        return tr("The specified dynamic-link library was not found.");
    default:
        return tr("Unknown Error (%1) occurred.").arg(code);
    }
}

void CUrlLabel::enterEvent(QEnterEvent *event)
{
    if (!m_over) {
        m_over = true;
        updateLook();
    }
    QLabel::enterEvent(event);
}

void CUrlLabel::leaveEvent(QEvent *event)
{
    if (m_over) {
        m_over = false;
        updateLook();
    }
    QLabel::leaveEvent(event);
}

void CUrlLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void CUrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        event->accept();
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CUrlLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        event->accept();
        Open();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void CUrlLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void CUrlLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // A new palette (a light or dark theme) or font from outside.
    if (!m_updating && (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange))
        updateLook();
}

void CUrlLabel::showEvent(QShowEvent *event)
{
    // A label made from a form gets its text after construction.
    if (toolTip().isEmpty())
        setToolTip(url());
    QLabel::showEvent(event);
}
