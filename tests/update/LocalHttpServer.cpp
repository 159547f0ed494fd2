#include "LocalHttpServer.h"

#include <ws2tcpip.h>

#include <chrono>
#include <cstdlib>

namespace {

const int lifetimeMs = 8000;
const int pollMs = 50;
const size_t requestLimit = 64 * 1024;

struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};

void Start() { static Winsock winsock; }

SOCKET Listen(unsigned short &port) {
    Start();
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

// Whether the socket has something to read within the poll interval.
bool Readable(SOCKET socket) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{0, pollMs * 1000};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}

LocalHttpServer::LocalHttpServer(std::string response, bool silent) : response_(std::move(response)), silent_(silent) {
    listener_ = Listen(port_);
    if (listener_ != INVALID_SOCKET)
        thread_ = std::thread(&LocalHttpServer::Serve, this);
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    if (listener_ != INVALID_SOCKET)
        closesocket(listener_);
}

unsigned short LocalHttpServer::FreePort() {
    unsigned short port = 0;
    SOCKET listener = Listen(port);
    closesocket(listener);
    return port;
}

std::string LocalHttpServer::Head() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return head_;
}

std::string LocalHttpServer::Body() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return body_;
}

void LocalHttpServer::Serve() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(lifetimeMs);
    while (!stopping_ && std::chrono::steady_clock::now() < end) {
        if (!Readable(listener_))
            continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        Answer(client, end);
        closesocket(client);
        return;
    }
}

void LocalHttpServer::Answer(SOCKET client, std::chrono::steady_clock::time_point end) {
    if (!Receive(client))
        return;
    if (silent_) {
        while (!stopping_ && std::chrono::steady_clock::now() < end)
            Sleep(pollMs);
        return;
    }
    send(client, response_.data(), static_cast<int>(response_.size()), 0);
    shutdown(client, SD_SEND);
}

// The head up to the blank line, then as many body bytes as its Content-Length says.
bool LocalHttpServer::Receive(SOCKET client) {
    std::string data;
    size_t headEnd = std::string::npos;
    size_t wanted = 0;
    char buffer[4096];
    while (!stopping_ && data.size() < requestLimit) {
        if (headEnd != std::string::npos && data.size() >= headEnd + 4 + wanted)
            break;
        if (!Readable(client))
            continue;
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        data.append(buffer, static_cast<size_t>(got));
        if (headEnd == std::string::npos && (headEnd = data.find("\r\n\r\n")) != std::string::npos) {
            const size_t field = data.find("Content-Length:");
            wanted = field < headEnd ? std::strtoul(data.c_str() + field + 15, nullptr, 10) : 0;
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    head_ = data.substr(0, headEnd);
    body_ = headEnd == std::string::npos ? "" : data.substr(headEnd + 4);
    return headEnd != std::string::npos;
}
