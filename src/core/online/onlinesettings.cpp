#include "onlinesettings.h"

#include "app/registrykey.h"
#include "lookupsource.h"

#include <QUrl>

namespace {

const QString kKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Online");

// A base address without its trailing "/", or the default when empty.
QString baseAddress(const CRegistryKey &key, const QString &name, const QString &defaultValue)
{
    const QString value = COnlineSettings::CleanAddress(key.ReadString(name, defaultValue));
    return value.isEmpty() ? defaultValue : value;
}

int positive(const CRegistryKey &key, const QString &name, int defaultValue)
{
    const int value = key.ReadInt(name, defaultValue);
    return value > 0 ? value : defaultValue;
}

} // namespace

QString COnlineSettings::CleanAddress(const QString &address)
{
    QString value = address.trimmed();
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return value;
}

bool COnlineSettings::IsUsableAddress(const QString &address)
{
    const QUrl url(CleanAddress(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

COnlineSettings COnlineSettings::Load()
{
    COnlineSettings s;
    CRegistryKey key;
    if (!key.SetKey(kKey, false))
        return s;
    const QString source = key.ReadString(QStringLiteral("Source"), s.source).trimmed();
    if (!source.isEmpty())
        s.source = source;
    // Each source names its own address settings.
    for (const CLookupSourceInfo &info : LookupSources()) {
        for (const CServiceAddress &address : info.addresses)
            s.*address.member = baseAddress(key, address.key, s.*address.member);
    }
    s.googleBooksKey = key.ReadString(QStringLiteral("GoogleBooksKey"), QString()).trimmed();
    s.contactEmail = key.ReadString(QStringLiteral("ContactEmail"), QString()).trimmed();
    s.fallback = key.ReadInt(QStringLiteral("Fallback"), 0) != 0;
    const QString chain =
        key.ReadString(QStringLiteral("FallbackSources"), s.fallbackSources.join(QLatin1Char(',')));
    s.fallbackSources.clear();
    for (const QString &name : chain.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (LookupSourceNames().contains(name.trimmed()) && !s.fallbackSources.contains(name.trimmed()))
            s.fallbackSources << name.trimmed();
    }
    const int form = key.ReadInt(QStringLiteral("IsbnForm"), s.isbnForm);
    if (form == 0 || form == 10 || form == 13)
        s.isbnForm = form;
    s.connectTimeout = positive(key, QStringLiteral("ConnectTimeout"), s.connectTimeout);
    s.totalTimeout = positive(key, QStringLiteral("TotalTimeout"), s.totalTimeout);
    s.stallTimeout = positive(key, QStringLiteral("StallTimeout"), s.stallTimeout);
    s.maxAnswerBytes = positive(key, QStringLiteral("MaxAnswerSize"), int(s.maxAnswerBytes));
    s.maxCoverBytes = positive(key, QStringLiteral("MaxCoverSize"), int(s.maxCoverBytes));
    const int gap = key.ReadInt(QStringLiteral("RequestGap"), s.requestGap);
    if (gap >= 0)
        s.requestGap = gap;
    return s;
}

void COnlineSettings::Save() const
{
    CRegistryKey key;
    if (!key.SetKey(kKey, true))
        return;
    key.WriteString(QStringLiteral("Source"), source);
    for (const CLookupSourceInfo &info : LookupSources()) {
        for (const CServiceAddress &address : info.addresses)
            key.WriteString(address.key, this->*address.member);
    }
    key.WriteString(QStringLiteral("GoogleBooksKey"), googleBooksKey);
    key.WriteString(QStringLiteral("ContactEmail"), contactEmail);
    key.WriteInt(QStringLiteral("Fallback"), fallback ? 1 : 0);
    key.WriteString(QStringLiteral("FallbackSources"), fallbackSources.join(QLatin1Char(',')));
    key.WriteInt(QStringLiteral("IsbnForm"), isbnForm);
    key.WriteInt(QStringLiteral("ConnectTimeout"), connectTimeout);
    key.WriteInt(QStringLiteral("TotalTimeout"), totalTimeout);
    key.WriteInt(QStringLiteral("StallTimeout"), stallTimeout);
    key.WriteInt(QStringLiteral("MaxAnswerSize"), int(maxAnswerBytes));
    key.WriteInt(QStringLiteral("MaxCoverSize"), int(maxCoverBytes));
    key.WriteInt(QStringLiteral("RequestGap"), requestGap);
}
