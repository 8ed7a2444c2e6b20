#pragma once

#include <QString>
#include <functional>

// How far inside a network an address lies. A redirect from a service may
// lead to the same kind of address or a more public one, never further in:
// an answer from a public server must not send the program to the user's
// router, another program on the same computer or the cloud's metadata
// address.
enum class AddressKind {
    Loopback, // this computer (127.0.0.0/8, ::1, 0.0.0.0)
    Private,  // the local network: private, shared and link-local ranges, multicast
    Public,
};

// The kind of a numeric IPv4 or IPv6 address; text that is no address
// counts as Private (never trusted as public).
AddressKind AddressKindOf(const QString &ip);

// The classification the HTTP client uses: AddressKindOf, unless a test set
// its own (to give the local test server a public face). An empty function
// restores AddressKindOf.
using AddressClassifier = std::function<AddressKind(const QString &ip, int port)>;
void SetAddressClassifier(AddressClassifier classifier);
AddressKind ClassifyAddress(const QString &ip, int port);
