#pragma once

#include "catalog/bookid.h"

#include "booktransform.h"

#include <QString>
#include <QVector>

class Connection;

// The data side of the book page pane: the book XML and page HTML of the
// last display and the two exports. The pane itself only shows Html() (or
// the welcome page when it is empty), runs the file dialogs and opens what
// ResolvePageLink (pagelink.h) computes for a click.
class CBookPage
{
public:
    // Rebuilds the page for the selected books: the book XML of bookIds
    // (covers under imagesFolder) transformed with the template file xslPath.
    // True when Html() now holds the page. No books, a database error (already
    // shown) or a failed step leave both texts empty; a failed DOM, XML or XSL
    // step shows its message (136, 137, 138), a failed transformation none.
    bool Update(const QVector<BookId> &bookIds, Connection *connection, const QString &imagesFolder,
                const QString &xslPath);
    void Clear();
    // The texts of a page built elsewhere (on a worker, see pagejob.h).
    void SetPage(QString xml, QString html);

    // Book XML document of the last display ("\n" line ends); empty when the
    // welcome page is shown. Save As XML is enabled only while it is not empty.
    const QString &Xml() const { return m_strXml; }
    // Page HTML of the last display, after the attribute rewriting; empty
    // when the welcome page is shown. Save As HTML, Refresh, Print, Print
    // Preview and Select All are enabled only while it is not empty.
    const QString &Html() const { return m_strHtml; }

    // How the last Update went, and what the XML/XSLT engines said.
    TransformStatus LastStatus() const { return m_lastStatus; }
    const QString &LastErrorText() const { return m_lastErrorText; }

    // Save As XML / Save As HTML to a file the user chose. Nothing is written
    // while the text is empty. When the file cannot be written the message
    // "Cannot open file for writing." (135) has been shown and the result is
    // false. cssPath is the full path of the chosen display style.
    bool SaveAsXml(const QString &filePath) const;
    bool SaveAsHtml(const QString &filePath, const QString &cssPath, Connection *connection) const;
    // The same for texts other than the last display's (every book of a
    // sliced page, built for the export).
    static bool WriteXmlFile(const QString &filePath, const QString &xml);
    static bool WriteHtmlFile(const QString &filePath, const QString &html, const QString &cssPath,
                              Connection *connection);

    // Fixed creation date for reproducible output (tests); null means now.
    void SetCreationDate(const QString &text) { m_creationDate = text; }

    // Full paths of a content template and a display style by the names in
    // the main frame's lists: AppFolder() + "Styles/" + name + ".xsl" and
    // AppFolder() + "Styles/CSS/" + name + ".css".
    static QString TemplatePath(const QString &templateName);
    static QString StyleSheetPath(const QString &styleName);

private:
    QString m_strXml;
    QString m_strHtml;
    QString m_creationDate;
    TransformStatus m_lastStatus = TransformStatus::Ok;
    QString m_lastErrorText;
};
