#include "PeerSocket.h"

#include <filesystem>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {

int PortOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

} // namespace

TPeerSocket::TPeerSocket(int localPort, int remotePort) {
    // A TCP connection is unique by its ports on loopback, and it stays open while
    // its handler runs, so the descriptor found here cannot be reused under us.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (const std::exception&) {
            continue;
        }
        sockaddr_storage local{};
        sockaddr_storage remote{};
        socklen_t localSize = sizeof local;
        socklen_t remoteSize = sizeof remote;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) == 0 &&
            getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &remoteSize) == 0 &&
            PortOf(local) == localPort && PortOf(remote) == remotePort) {
            Fd = fd;
            return;
        }
    }
}

bool TPeerSocket::Closed() const {
    if (Fd < 0)
        return false;
    pollfd watch{Fd, POLLIN, 0};
    if (poll(&watch, 1, 0) <= 0)
        return false;
    if (watch.revents & (POLLHUP | POLLERR | POLLNVAL))
        return true;
    char byte = 0;
    // Readable with nothing to read means the client closed its side.
    return recv(Fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void TPeerSocket::Drop() const {
    // Shut down, not closed: the server still owns the descriptor and closes it.
    if (Fd >= 0)
        shutdown(Fd, SHUT_RDWR);
}
