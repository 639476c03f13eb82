#pragma once

#include <stdexcept>
#include <string>

#include <QByteArray>

enum class THttpErrorKind {
    Status,    // the server answered with a status outside 2xx (redirects included)
    Transport, // no connection, name resolution, proxy, read failure or time-out
    TooLarge,  // the body went past the size cap of the request
    Stopped,   // the process-wide stop flag ended the transfer
};

// A failed exchange. Status carries the HTTP status for Kind Status, 0 otherwise;
// Location the "Location" header of a redirect answer.
class THttpError final : public std::runtime_error {
public:
    THttpError(THttpErrorKind kind, long status, const std::string& what, QByteArray location = {})
        : std::runtime_error(what), Kind(kind), Status(status), Location(std::move(location)) {}

    THttpErrorKind Kind;
    long Status;
    QByteArray Location;
};
