#include "LocalHttpServer.h"

#include <cstdlib>

namespace {

const DWORD lifetimeMs = 8000;
const size_t requestLimit = 64 * 1024;

SOCKET Listen(unsigned short &port) {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    SOCKET listener = started ? socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) : INVALID_SOCKET;
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

// Whether the socket has something to read within a short while.
bool Readable(SOCKET socket) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{0, 50000};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}

LocalHttpServer::LocalHttpServer(std::string response) : response_(std::move(response)), end_(GetTickCount() + lifetimeMs) {
    listener_ = Listen(port_);
    if (listener_ != INVALID_SOCKET)
        thread_ = std::thread(&LocalHttpServer::Serve, this);
}

LocalHttpServer::~LocalHttpServer() {
    Stop();
    closesocket(listener_);
}

void LocalHttpServer::Stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

unsigned short LocalHttpServer::FreePort() {
    unsigned short port = 0;
    closesocket(Listen(port));
    return port;
}

bool LocalHttpServer::Waiting() const { return !stopping_ && static_cast<int>(end_ - GetTickCount()) > 0; }

void LocalHttpServer::Serve() {
    while (!Readable(listener_))
        if (!Waiting())
            return;
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (Receive(client) && !response_.empty()) {
        send(client, response_.data(), static_cast<int>(response_.size()), 0);
        shutdown(client, SD_SEND);
    }
    while (response_.empty() && Waiting())
        Sleep(50);
    closesocket(client);
}

// The head up to the blank line, then as many body bytes as its Content-Length says.
bool LocalHttpServer::Receive(SOCKET client) {
    std::string data;
    size_t head = std::string::npos;
    size_t length = 0;
    while (Waiting() && data.size() < requestLimit && (head == std::string::npos || data.size() < head + 4 + length)) {
        char buffer[4096];
        if (!Readable(client))
            continue;
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        data.append(buffer, static_cast<size_t>(got));
        if (head == std::string::npos && (head = data.find("\r\n\r\n")) != std::string::npos) {
            const size_t field = data.find("Content-Length:");
            length = field < head ? std::strtoul(data.c_str() + field + 15, nullptr, 10) : 0;
        }
    }
    head_ = data.substr(0, head);
    body_ = head == std::string::npos ? "" : data.substr(head + 4);
    return head != std::string::npos;
}
