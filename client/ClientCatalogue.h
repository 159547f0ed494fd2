// The client programs beside the editor, as the settings dialog's key-binding page needs them:
// their names, and the functions one of them offers. The client part offers it; others find it
// through the workbench (Find<ClientCatalogue>()), null while none offers it.
#pragma once

#include <string>
#include <vector>

class ClientCatalogue {
public:
    // The folders of client\, in the order the client menu lists them.
    virtual std::vector<std::string> ClientNames() const = 0;
    // The function names of a client, in its order: it is connected and asked for its
    // description when that was not loaded yet. Empty when it cannot be reached.
    virtual std::vector<std::string> FunctionsOf(const std::string &client) = 0;

protected:
    ~ClientCatalogue() = default;
};
