#include "WassrdServer.h"

#include <QJsonDocument>
#include <QUrlQuery>

#include <httplib.h>

#include "TestPaths.h"

namespace {
constexpr int StartMsecs = 10000;
} // namespace

TWassrdServer::TWassrdServer(const QStringList& args)
    : Process(BuildPath(QStringLiteral("wassrd")), QStringList{"--rate", "0"} + args),
      FPort(Process.ReadLine(StartMsecs).toInt()) {
    // A service that ends badly (a sanitizer finding, a crash) fails the test.
    Process.CheckEnd = true;
}

TWassrdServer::~TWassrdServer() = default;

QString TWassrdServer::IniLines(const QString& account) const {
    return QStringLiteral("[Account]\nUsername=demo\nPassword=demo\n%1"
                          "[Server]\nApiURL=%2\nTwitterApiURL=%2\nWebURL=%2\nMakerURL=%2\n"
                          "ShortURLPrefix=%2/s/\n")
        .arg(account, Base());
}

bool TWassrdServer::Admin(const QString& path,
                          const QList<std::pair<QString, QString>>& query) const {
    QUrlQuery encoded;
    for (const auto& [key, value] : query)
        encoded.addQueryItem(QString::fromLatin1(QUrl::toPercentEncoding(key)),
                             QString::fromLatin1(QUrl::toPercentEncoding(value)));
    const QString target =
        path + (query.isEmpty() ? QString() : QLatin1Char('?') + encoded.query());
    httplib::Client client("127.0.0.1", FPort);
    const auto result = client.Post(target.toStdString().c_str());
    return result && result->status == 200;
}

QJsonArray TWassrdServer::Requests() const {
    httplib::Client client("127.0.0.1", FPort);
    const auto result = client.Get("/admin/requests");
    return result ? QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).array()
                  : QJsonArray();
}
