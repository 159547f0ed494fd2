// A one-request HTTP server on 127.0.0.1 for the update check: it listens on a free port, takes
// one request and sends back bytes given in advance; given none, it keeps the connection open
// without a word. It gives up after a few seconds and always stops with its owner.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <string>
#include <thread>

class LocalHttpServer {
public:
    explicit LocalHttpServer(std::string response);
    ~LocalHttpServer();

    unsigned short Port() const { return port_; }
    // The request's head (request line and headers) and body. Asking stops the server.
    const std::string &Head() { return Stop(), head_; }
    const std::string &Body() { return Stop(), body_; }
    // A port on 127.0.0.1 where nothing listens.
    static unsigned short FreePort();

private:
    void Stop();
    void Serve();
    bool Receive(SOCKET client);
    bool Waiting() const;

    std::string response_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    DWORD end_;
    std::string head_;
    std::string body_;
    std::thread thread_;
};
