#include "RecordingServer.h"

#include <chrono>
#include <thread>

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "TestPaths.h"

std::string TRecordedRequest::Header(const std::string& name) const {
    const auto found = Headers.find(name);
    return found == Headers.end() ? std::string() : found->second;
}

TRecordingServer::TRecordingServer(THandler handler) : Handler(std::move(handler)) {
    const auto record = [this](const httplib::Request& request, httplib::Response& response) {
        {
            const std::lock_guard guard(Lock);
            Recorded.push_back(
                {request.method, request.target, request.version, request.headers, request.body});
        }
        if (Handler)
            Handler(request, response);
    };
    Server.Get(".*", record);
    Server.Post(".*", record);
    Server.Put(".*", record);
    Server.Delete(".*", record);
    BoundPort = Server.bind_to_any_port("127.0.0.1");
    Thread = std::thread([this] { Server.listen_after_bind(); });
    // Until the server runs, stop() does nothing and join() would hang.
    while (!Server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TRecordingServer::~TRecordingServer() {
    Release();
    Server.stop();
    Thread.join();
}

QString TRecordingServer::Url() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(BoundPort);
}

QByteArray TRecordingServer::HostPort() const {
    return "127.0.0.1:" + QByteArray::number(BoundPort);
}

std::vector<TRecordedRequest> TRecordingServer::Requests() const {
    const std::lock_guard guard(Lock);
    return Recorded;
}

void TrickleBody(httplib::Response& response, const std::string& body,
                 std::chrono::milliseconds pause) {
    response.set_content_provider(
        body.size(), "application/octet-stream",
        [body, pause](std::size_t offset, std::size_t, httplib::DataSink& sink) {
            if (!sink.write(body.data() + offset, 1))
                return false;
            std::this_thread::sleep_for(pause);
            return true;
        });
}

int UnusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

QByteArray ServiceFixture(const QString& name, const QByteArray& hostPort) {
    QFile file(TestDataPath(QStringLiteral("service/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().replace("{{HOSTPORT}}", hostPort);
}
