#pragma once

#include <QString>
#include <QUrl>

// Hands web addresses to the user's browser. Only http and https addresses
// leave the program: a link in a status must not start a local program or
// open a file. Tests derive from it and record the addresses instead.
class TUrlOpener {
public:
    virtual ~TUrlOpener() = default;

    // False when the address is no web address or the browser did not take it.
    bool Open(const QString& url);

protected:
    virtual bool Launch(const QUrl& url);
};
