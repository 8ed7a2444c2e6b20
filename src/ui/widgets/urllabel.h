#pragma once

#include <QColor>
#include <QLabel>
#include <functional>

// A label that is a web link: drawn in link colours, underlined while the
// pointer is over it, with a hand cursor and the address as its tooltip. A
// click, or Enter or Space while it has the keyboard focus, opens the address
// with the desktop's handler. Text and address fill each other: a label with
// only a text opens its text, one with only an address shows it.
class CUrlLabel : public QLabel
{
    Q_OBJECT

public:
    // Opens an address and returns a result code: above 32 is success, 32 and
    // below are the failure codes ErrorText knows.
    using Opener = std::function<int(const QString &address)>;

    enum Underline { UnderlineHover = -1, UnderlineNever = 0, UnderlineAlways = 1 };

    explicit CUrlLabel(QWidget *parent = nullptr);
    explicit CUrlLabel(const QString &text, QWidget *parent = nullptr);

    void SetUrl(const QString &address);
    // The address a click opens (the text when no address was set).
    QString url() const;

    // Replaces the desktop's handler, for this label (tests) or for every label
    // made afterwards; an empty opener restores the desktop's.
    void setOpener(Opener opener) { m_opener = std::move(opener); }
    static void setDefaultOpener(Opener opener);

    // Sizes the label to its text, keeping the edge its alignment names (the
    // left edge, the right edge, or the centre). Only when fitting is on and
    // no layout manages the label.
    void FitWindow();
    void setFitToText(bool fit) { m_fit = fit; }
    void setUnderline(Underline mode);

    bool isPointerOver() const { return m_over; }
    bool isVisited() const { return m_visited; }
    // The colour the text is drawn in now.
    QColor currentColor() const;

    // "Unable to open hyperlink:\n\n" and the text for a failed open's code.
    static QString FailureMessage(int code);
    static QString ErrorText(int code);

signals:
    // After every attempt to open the address.
    void opened(bool success);

public slots:
    // Opens the address; on failure beeps and reports why.
    bool Open();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void init();
    void updateLook();
    bool darkPalette() const;

    QString m_address;
    QColor m_linkColor{0, 0, 238};
    QColor m_visitedColor{85, 26, 139};
    QColor m_hoverColor{255, 0, 0};
    bool m_over = false;
    bool m_visited = false;
    bool m_pressed = false;
    bool m_updating = false;
    Underline m_underline = UnderlineHover;
    bool m_fit = true;
    Opener m_opener;
};
