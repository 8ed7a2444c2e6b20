#include "bookpage.h"

#include "app/apppaths.h"
#include "app/messenger.h"
#include "app/strings.h"
#include "bookxml.h"
#include "htmlexport.h"

bool CBookPage::Update(const QVector<BookId> &bookIds, Connection *connection, const QString &imagesFolder,
                       const QString &xslPath)
{
    Clear();
    if (bookIds.isEmpty() || !connection)
        return false;

    const QString xml = BuildBookXml(bookIds, *connection, imagesFolder, m_creationDate);
    if (xml.isEmpty())
        return false;

    TransformResult result = TransformBookXml(xml, xslPath);
    m_lastStatus = result.status;
    m_lastErrorText = result.errorText;
    if (!result.ok()) {
        const QString message = TransformMessageText(result);
        if (!message.isEmpty())
            messenger().showMessage(message, IMessenger::Icon::Error);
        return false;
    }
    m_strXml = xml;
    m_strHtml = std::move(result.html);
    return true;
}

void CBookPage::Clear()
{
    m_strXml.clear();
    m_strHtml.clear();
    m_lastStatus = TransformStatus::Ok;
    m_lastErrorText.clear();
}

void CBookPage::SetPage(QString xml, QString html)
{
    Clear();
    m_strXml = std::move(xml);
    m_strHtml = std::move(html);
}

bool CBookPage::SaveAsXml(const QString &filePath) const
{
    if (m_strXml.isEmpty())
        return true;
    return WriteXmlFile(filePath, m_strXml);
}

bool CBookPage::SaveAsHtml(const QString &filePath, const QString &cssPath, Connection *connection) const
{
    if (m_strHtml.isEmpty())
        return true;
    return WriteHtmlFile(filePath, m_strHtml, cssPath, connection);
}

bool CBookPage::WriteXmlFile(const QString &filePath, const QString &xml)
{
    if (WriteExportFile(filePath, xml))
        return true;
    messenger().showMessage(LoadStr(IDS_CANNOT_OPEN_FOR_WRITING), IMessenger::Icon::Error);
    return false;
}

bool CBookPage::WriteHtmlFile(const QString &filePath, const QString &html, const QString &cssPath,
                              Connection *connection)
{
    if (WriteExportFile(filePath, MakeHtmlExportText(html, cssPath, connection)))
        return true;
    messenger().showMessage(LoadStr(IDS_CANNOT_OPEN_FOR_WRITING), IMessenger::Icon::Error);
    return false;
}

QString CBookPage::TemplatePath(const QString &templateName)
{
    return AppFolder() + QLatin1String("Styles/") + templateName + QLatin1String(".xsl");
}

QString CBookPage::StyleSheetPath(const QString &styleName)
{
    return AppFolder() + QLatin1String("Styles/CSS/") + styleName + QLatin1String(".css");
}
