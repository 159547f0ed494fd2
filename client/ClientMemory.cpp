#include "client/ClientMemory.h"

#include <cstdio>
#include <cstring>

#include "app/System.h"
#include "log/Logger.h"
#include "sdk/TamborelProtocol.h"

using TamborelProtocol::BlockSize;

namespace {
Logger &Log() { return System::Get().GetLogger(); }
}

ClientMemory::~ClientMemory() { Release(); }

bool ClientMemory::Create(int id, HWND editor) {
    Release();
    if (!Make(serverToClient_, TamborelProtocol::ServerToClientName, id, editor)) {
        Log().Error("TamborelClient#AllocateClientMemory - CreateFileMapping failed. src");
        Release();
        return false;
    }
    if (!Make(clientToServer_, TamborelProtocol::ClientToServerName, id, editor)) {
        Log().Error("TamborelClient#AllocateClientMemory - CreateFileMapping failed. dst");
        Release();
        return false;
    }
    return true;
}

bool ClientMemory::Make(Block &block, const char *format, int id, HWND editor) {
    char name[TamborelProtocol::NameSize];
    std::snprintf(name, sizeof name, format, id, static_cast<int>(reinterpret_cast<intptr_t>(editor)));
    block.name = name;
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(BlockSize), name);
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    block.mapping.Reset(mapping);
    if (!block.mapping.Valid() || existed)
        return false;
    block.view.Reset(MapViewOfFile(block.mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, BlockSize));
    if (!block.view.Valid())
        return false;
    std::memset(block.view.Bytes(), 0, BlockSize);
    return true;
}

void ClientMemory::Release() {
    Free(serverToClient_);
    Free(clientToServer_);
}

void ClientMemory::Free(Block &block) {
    if (!block.view.Reset())
        Log().Error("TamborelClient#ReleaseClientMemory - UnmapViewOfFile() failed");
    if (!block.mapping.Reset())
        Log().Error("TamborelClient#ReleaseClientMemory - CloseHandle(hFile) failed");
    block.name.clear();
}

void ClientMemory::Clear(unsigned char *block, size_t bytes) {
    if (block)
        std::memset(block, 0, bytes < BlockSize ? bytes : BlockSize);
}
