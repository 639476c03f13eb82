#pragma once

// The connection a request handler is serving, found by its two port numbers,
// so that a reply held back on purpose can tell when the client has gone.
class TPeerSocket final {
public:
    TPeerSocket(int localPort, int remotePort);

    // True once the client has closed the connection (or it broke). Only the
    // thread serving the connection may ask: it owns the socket meanwhile.
    bool Closed() const;
    // Cuts the connection so that nothing more reaches the client.
    void Drop() const;

private:
    int Fd = -1;
};
