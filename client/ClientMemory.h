// The two shared-memory blocks of one client connection: server-to-client, where the editor
// writes its answers, and client-to-server, where the client writes its parameters, answers and
// start-up handshake. Both are named after the client id and the editor's window so that the
// client can open them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "framework/KernelHandle.h"
#include "framework/MappedView.h"

class ClientMemory {
public:
    ClientMemory() = default;
    ~ClientMemory();
    ClientMemory(const ClientMemory &) = delete;
    ClientMemory &operator=(const ClientMemory &) = delete;

    // Makes both blocks, zero-filled; false (logged, nothing kept) when either cannot be made
    // new: a block of the same name that already exists belongs to someone else.
    bool Create(int id, HWND editor);
    // Unmaps and closes both; failures are logged.
    void Release();

    unsigned char *ServerToClient() const { return serverToClient_.view.Bytes(); }
    unsigned char *ClientToServer() const { return clientToServer_.view.Bytes(); }
    const std::string &ServerToClientName() const { return serverToClient_.name; }
    const std::string &ClientToServerName() const { return clientToServer_.name; }

    // Zero-fills the first bytes of a block (the whole block when bytes exceeds it).
    static void Clear(unsigned char *block, size_t bytes);

private:
    struct Block {
        std::string name;
        KernelHandle mapping;
        MappedView view;
    };
    static bool Make(Block &block, const char *format, int id, HWND editor);
    static void Free(Block &block);

    Block serverToClient_;
    Block clientToServer_;
};
