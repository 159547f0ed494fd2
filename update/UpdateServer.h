// Where the update check asks, and the download page it offers: the program's one place for the
// maker's addresses. Tests install a local server in its place.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

struct UpdateServer {
    std::string host;
    INTERNET_PORT port;
    // The request's object on the server.
    std::string object;
    std::string downloadPage;
    // Milliseconds: an unreachable or silent server cannot hold the window for longer.
    DWORD connectTimeout;
    DWORD receiveTimeout;

    // The server in use: the maker's unless a test installed another.
    static const UpdateServer &Get();
    // Installs a replacement (null restores the maker's); the caller keeps ownership.
    static void Install(const UpdateServer *server);
};
