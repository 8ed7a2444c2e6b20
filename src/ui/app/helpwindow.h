#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineView;

// The user guide in a window of the program itself, for desktops that have
// nothing to open an HTML file with. Its pages are local and run no scripts.
class CHelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget *parent = nullptr);

    void showPage(const QUrl &url);
    QWebEngineView *view() const { return m_view; }

private:
    QWebEngineView *m_view = nullptr;
};
