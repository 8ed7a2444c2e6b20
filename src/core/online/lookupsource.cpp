#include "lookupsource.h"

#include "bookstoresource.h"
#include "googlebookssource.h"
#include "locsource.h"
#include "lookupmessages.h"
#include "onlinesettings.h"
#include "openlibrarysource.h"

QString ILookupSource::LoadingText() const
{
    return LoadingMessage(DisplayName());
}

QString ILookupSource::UnreachableText() const
{
    return UnreachableMessage(DisplayName());
}

QString ILookupSource::ServiceErrorText(const QString &serviceText) const
{
    return ServiceErrorMessage(DisplayName(), serviceText);
}

QString ILookupSource::SearchWords(const QString &typed) const
{
    return typed.trimmed();
}

QVector<CLookupSourceInfo> LookupSources()
{
    return {COpenLibrarySource::Info(), CGoogleBooksSource::Info(), CLocSource::Info(),
            CBookstoreSource::Info()};
}

QStringList LookupSourceNames()
{
    QStringList names;
    for (const CLookupSourceInfo &info : LookupSources())
        names << info.name;
    return names;
}

std::unique_ptr<ILookupSource> CreateLookupSource(const QString &name, const COnlineSettings &settings,
                                                  const CCancelToken *cancel)
{
    if (name == QLatin1String(CGoogleBooksSource::kName))
        return std::make_unique<CGoogleBooksSource>(settings, cancel);
    if (name == QLatin1String(CLocSource::kName))
        return std::make_unique<CLocSource>(settings, cancel);
    if (name == QLatin1String(CBookstoreSource::kName))
        return std::make_unique<CBookstoreSource>(settings, cancel);
    return std::make_unique<COpenLibrarySource>(settings, cancel);
}

std::unique_ptr<ILookupSource> CreateLookupSource(const COnlineSettings &settings, const CCancelToken *cancel)
{
    return CreateLookupSource(settings.source, settings, cancel);
}
