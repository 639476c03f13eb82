#pragma once

#include <QString>

// The hosts the program talks to. Read from the [Server] section so a user or
// a test can point the program at another server; never written back.
struct TServerEndpoints {
    QString ApiURL = QStringLiteral("http://api.wassr.jp");
    QString TwitterApiURL = QStringLiteral("http://twitter.com");
    QString WebURL = QStringLiteral("http://wassr.jp");
    QString ShortURLPrefix = QStringLiteral("http://tinyurl.com/");
    QString MakerURL = QStringLiteral("http://quorbel.example.jp");

    bool operator==(const TServerEndpoints&) const = default;
};
