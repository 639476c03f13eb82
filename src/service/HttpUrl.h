#pragma once

#include <optional>

#include <QByteArray>

// An http:// address as a request line and a connection need it. Nothing of
// it is re-encoded: the path and query go out as written.
struct THttpUrl {
    QByteArray Host; // an IPv6 address without its brackets
    int Port = 80;
    QByteArray HostHeader; // the Host line's value: the port only when not 80
    QByteArray Target;     // path and query, "/" for none; no fragment
    // The address as a proxy is asked for it: "http://" + HostHeader + Target.
    QByteArray Absolute() const { return "http://" + HostHeader + Target; }
};

// None for an address that is not plain http://, names no host or a bad
// port, carries a user name, or holds a blank or control character (which
// would end the request line or add a header).
std::optional<THttpUrl> ParseHttpUrl(const QByteArray& url);

// True for an address that starts with "http://" in any case.
bool IsHttpScheme(const QByteArray& url);
