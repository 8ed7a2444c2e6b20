#include "pageslice.h"

#include "app/registrykey.h"

#include <algorithm>

int CPageSlice::SliceSizeSetting()
{
    CRegistryKey key;
    if (!key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings"), false))
        return kDefaultSliceSize;
    const int value = key.ReadInt(QStringLiteral("PageSlice"), kDefaultSliceSize);
    return value > 0 ? value : kDefaultSliceSize;
}

CPageSlice::CPageSlice(int sliceSize) : m_sliceSize(std::max(1, sliceSize)) {}

void CPageSlice::reset(int total)
{
    m_total = std::max(0, total);
    m_shown = std::min(m_sliceSize, m_total);
}

void CPageSlice::showNext()
{
    m_shown = shown() + nextCount();
}

void CPageSlice::showAll()
{
    m_shown = m_total;
}

int CPageSlice::shown() const
{
    return std::min(m_shown, m_total);
}

int CPageSlice::nextCount() const
{
    return std::min(m_sliceSize, m_total - shown());
}

CPageSlice::Link CPageSlice::LinkOf(const QString &address)
{
    const QString prefix = Scheme() + QLatin1String("://");
    if (!address.startsWith(prefix, Qt::CaseInsensitive))
        return Link::None;
    QString rest = address.mid(prefix.size()).trimmed();
    while (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    if (rest.compare(QLatin1String("next"), Qt::CaseInsensitive) == 0)
        return Link::Next;
    if (rest.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return Link::All;
    return Link::None;
}

QString CPageSlice::FooterHtml(const QString &nextText, const QString &allText)
{
    return QStringLiteral("\n<p class=\"ordo-slice\" id=\"ordo-slice\" style=\"text-align:center\">"
                          "<a id=\"ordo-slice-next\" href=\"%1://next\">%2</a> &middot; "
                          "<a id=\"ordo-slice-all\" href=\"%1://all\">%3</a></p>\n")
        .arg(Scheme(), nextText.toHtmlEscaped(), allText.toHtmlEscaped());
}
