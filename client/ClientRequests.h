// The requests a client makes of the editor (0xA705 to 0xA741): one table of what each does to
// the program or a document and what it answers. The connection table hands over the decoded
// parameters and writes the answer into the client's block.
#pragma once

#include <optional>
#include <string>

#include "client/ClientWire.h"

class Workbench;

class ClientRequests {
public:
    explicit ClientRequests(Workbench &workbench) : workbench_(workbench) {}

    // The answer text, or nothing: an unknown code, or a document reference naming no open
    // document, leaves the client's answer block empty.
    std::optional<std::string> Perform(unsigned code, const ClientWire::Request &request);

    // The longest a client may make the editor wait (0xA707): the editor does nothing meanwhile.
    static constexpr long long WaitLimit = 5000;

private:
    Workbench &workbench_;
};
