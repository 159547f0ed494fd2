// A one-request HTTP server on 127.0.0.1 for the update check: it listens on a free port, takes
// one request, and answers it with bytes given in advance (or, when silent, keeps the connection
// open without a word). It gives up after a few seconds and always stops with its owner.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

class LocalHttpServer {
public:
    // response: the raw bytes sent back, status line and headers included. silent: the request
    // is read and left unanswered until the server stops.
    explicit LocalHttpServer(std::string response, bool silent = false);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    unsigned short Port() const { return port_; }
    // What arrived: the request's head (request line and headers) and its body.
    std::string Head() const;
    std::string Body() const;

    // A port on 127.0.0.1 where nothing listens.
    static unsigned short FreePort();

private:
    void Serve();
    void Answer(SOCKET client, std::chrono::steady_clock::time_point end);
    bool Receive(SOCKET client);

    std::string response_;
    bool silent_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::string head_;
    std::string body_;
    std::thread thread_;
};
