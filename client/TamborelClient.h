// The editor's side of the client programs: the table of connected clients, their shared
// memory, starting a configured client with its start-up handshake, the description exchange,
// the clients' messages and requests, and disconnecting. A client can neither crash nor freeze
// the editor: what it writes is read within its block, and every wait for it has a time limit.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "client/ClientDescription.h"
#include "client/ClientRequests.h"

class ClientMemory;
class Workbench;

class TamborelClient {
public:
    explicit TamborelClient(Workbench &workbench);
    // Shuts every connection down.
    ~TamborelClient();
    TamborelClient(const TamborelClient &) = delete;
    TamborelClient &operator=(const TamborelClient &) = delete;

    // How long the editor waits for a client, in milliseconds; a client taking longer is given
    // up and the user told.
    struct TimeLimits {
        DWORD handshake = 10000;
        DWORD question = 5000;
        DWORD exit = 5000;
    };
    TimeLimits limits;

    // The configured clients: the folders of client\, in the order the file system lists them,
    // read once.
    const std::vector<std::string> &ClientNames();
    int IndexOf(const std::string &name);
    // The description of a configured client; null for an index outside the list.
    ClientDescription *Description(int index);

    // The id of the named client's live connection, starting the client when it has none; 0
    // when it cannot be reached (the user has been told). started: whether this call made it.
    int Connect(const std::string &name, bool &started);
    // The description exchange, unless the description is loaded; a client this call started
    // gets the connected notice after it. False when the client did not answer (the user has
    // been told).
    bool LoadDescription(int index, bool started);
    // Posts to the client window of a connection, if it still exists.
    void Post(int id, UINT message, WPARAM wParam) const;

    // A client's message (0xA700 to 0xA741) to the main window: handled, with its result.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
    // Every connection in id order: the closing notice, then disconnect.
    void Shutdown();

    // The blocks of a connection, or null.
    const ClientMemory *Memory(int id) const;

private:
    struct Connection;

    Connection *Find(int id) const;
    HWND Owner() const;
    int Start(int index, const std::string &program);
    HWND Handshake(Connection &connection);
    bool Ask(int id, unsigned question, std::string &answer);
    // Waits up to the limit for the process to end, serving messages sent to the editor
    // meanwhile; false when it still runs.
    static bool AwaitExit(HANDLE process, DWORD limit);

    LRESULT Attach(LPARAM window);
    LRESULT AttachDebug(WPARAM wParam, LPARAM window);
    LRESULT ReplaceWindow(int id, LPARAM window);
    LRESULT ReleaseHandles(int id);
    void Disconnect(int id);
    LRESULT Serve(unsigned code, int id);

    Workbench &workbench_;
    ClientRequests requests_;
    std::map<int, std::unique_ptr<Connection>> connections_;
    std::vector<std::string> names_;
    std::vector<ClientDescription> descriptions_;
    bool listed_ = false;
    int lastId_ = 0;
    bool connecting_ = false;
};
