#include "addresskind.h"

#include <QMutex>
#include <QMutexLocker>
#include <arpa/inet.h>
#include <cstring>

namespace {

QMutex g_mutex;
AddressClassifier g_classifier;

bool inRange(quint32 address, quint32 network, int bits)
{
    const quint32 mask = bits == 0 ? 0 : ~quint32(0) << (32 - bits);
    return (address & mask) == (network & mask);
}

AddressKind kindOfIpv4(quint32 a)
{
    if (inRange(a, 0x7F000000, 8) || inRange(a, 0x00000000, 8))
        return AddressKind::Loopback;
    struct Range
    {
        quint32 network;
        int bits;
    };
    // Private, shared (carrier NAT), link-local (cloud metadata), protocol
    // assignments, benchmarking, multicast and reserved ranges.
    static const Range inside[] = {{0x0A000000, 8},  {0xAC100000, 12}, {0xC0A80000, 16}, {0x64400000, 10},
                                   {0xA9FE0000, 16}, {0xC0000000, 24}, {0xC6120000, 15}, {0xE0000000, 4},
                                   {0xF0000000, 4}};
    for (const Range &r : inside) {
        if (inRange(a, r.network, r.bits))
            return AddressKind::Private;
    }
    return AddressKind::Public;
}

} // namespace

AddressKind AddressKindOf(const QString &ip)
{
    const QByteArray text = ip.trimmed().toLatin1();
    in_addr v4{};
    if (inet_pton(AF_INET, text.constData(), &v4) == 1)
        return kindOfIpv4(ntohl(v4.s_addr));
    in6_addr v6{};
    if (inet_pton(AF_INET6, text.constData(), &v6) != 1)
        return AddressKind::Private; // no address: never trusted as public
    const unsigned char *b = v6.s6_addr;
    static const unsigned char mappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    if (std::memcmp(b, mappedPrefix, 12) == 0) // ::ffff:10.0.0.1 is 10.0.0.1
        return kindOfIpv4(quint32(b[12]) << 24 | quint32(b[13]) << 16 | quint32(b[14]) << 8 | b[15]);
    static const unsigned char zeros[15] = {};
    if (std::memcmp(b, zeros, 15) == 0 && (b[15] == 0 || b[15] == 1)) // :: and ::1
        return AddressKind::Loopback;
    if ((b[0] & 0xFE) == 0xFC || (b[0] == 0xFE && (b[1] & 0xC0) == 0x80) || b[0] == 0xFF)
        return AddressKind::Private; // unique local, link-local, multicast
    return AddressKind::Public;
}

void SetAddressClassifier(AddressClassifier classifier)
{
    QMutexLocker lock(&g_mutex);
    g_classifier = std::move(classifier);
}

AddressKind ClassifyAddress(const QString &ip, int port)
{
    AddressClassifier classifier;
    {
        QMutexLocker lock(&g_mutex);
        classifier = g_classifier;
    }
    return classifier ? classifier(ip, port) : AddressKindOf(ip);
}
