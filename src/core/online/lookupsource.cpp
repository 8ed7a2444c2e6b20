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

QStringList LookupSourceNames()
{
    return {QStringLiteral("OpenLibrary"), QStringLiteral("GoogleBooks"), QStringLiteral("LibraryOfCongress"),
            QStringLiteral("Bookstore")};
}

std::unique_ptr<ILookupSource> CreateLookupSource(const QString &name, const COnlineSettings &settings,
                                                  const CCancelToken *cancel)
{
    if (name == QLatin1String("GoogleBooks"))
        return std::make_unique<CGoogleBooksSource>(settings, cancel);
    if (name == QLatin1String("LibraryOfCongress"))
        return std::make_unique<CLocSource>(settings, cancel);
    if (name == QLatin1String("Bookstore"))
        return std::make_unique<CBookstoreSource>(settings, cancel);
    return std::make_unique<COpenLibrarySource>(settings, cancel);
}

std::unique_ptr<ILookupSource> CreateLookupSource(const COnlineSettings &settings, const CCancelToken *cancel)
{
    return CreateLookupSource(settings.source, settings, cancel);
}
