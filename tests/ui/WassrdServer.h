#pragma once

#include <string>

#include <QJsonArray>
#include <QString>
#include <QStringList>

#include "ChildProcess.h"

// A running build/wassrd on a free loopback port, quiet unless told to make
// news (--rate 0).
class TWassrdServer final {
public:
    explicit TWassrdServer(const QStringList& args = {});
    ~TWassrdServer();

    int Port() const { return FPort; }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(FPort); }
    // The [Account] and [Server] sections of an INI file that uses this
    // server; account holds further lines of [Account].
    QString IniLines(const QString& account = {}) const;

    // An admin call ("/admin/post?user=..."); the query is percent-encoded here.
    bool Admin(const QString& path, const QList<std::pair<QString, QString>>& query = {}) const;
    // The last requests the server saw, as /admin/requests lists them.
    QJsonArray Requests() const;

private:
    TChildProcess Process;
    int FPort = 0;
};
