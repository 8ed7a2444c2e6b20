#include "pagejob.h"

#include "app/collectingmessenger.h"
#include "bookxml.h"
#include "catalog/connection.h"
#include "catalog/sqlvalue.h"

PageJobResult RunPageJob(const PageJobRequest &request, const std::atomic_bool *cancel,
                         const std::function<void(int, int)> &progress)
{
    PageJobResult result;
    CCollectingMessenger collected;
    {
        CThreadMessengerScope scope(&collected);
        DbError error;
        // Only this worker uses the connection: it need not lock each call.
        std::shared_ptr<Connection> connection = Connection::openReader(request.catalogPath, &error);
        if (!connection) {
            ShowDbError(request.catalogPath, error);
        } else {
            BookXmlControl control;
            control.cancel = cancel;
            control.progress = progress;
            result.xml = BuildBookXml(request.bookIds, *connection, request.imagesFolder,
                                      request.creationDate, control);
            if (cancel && cancel->load())
                result.cancelled = true;
        }
        if (!result.cancelled && !result.xml.isEmpty()) {
            if (!request.transform) {
                result.ok = true;
            } else {
                TransformResult transformed = TransformBookXml(result.xml, request.xslPath);
                result.status = transformed.status;
                result.errorText = transformed.errorText;
                result.ok = transformed.ok();
                if (result.ok) {
                    result.html = std::move(transformed.html);
                } else {
                    const QString message = TransformMessageText(transformed);
                    if (!message.isEmpty())
                        messenger().showMessage(message, IMessenger::Icon::Error);
                }
            }
        }
        if (!result.ok)
            result.xml.clear();
        if (cancel && cancel->load())
            result.cancelled = true;
    }
    result.messages = collected.messages;
    result.icons = collected.icons;
    return result;
}
