// What a configured client says about itself, asked once per connection (the nine questions of
// the description exchange), and which of its functions the user ran last.
#pragma once

#include <string>
#include <vector>

#include "client/ClientWire.h"

struct ClientDescription {
    std::string name;
    std::string version;
    std::string author;
    std::string description;
    std::string copyright;
    std::string url;
    std::string mail;
    std::vector<ClientWire::Function> functions;
    int sdkVersion = 0;
    // The id of the client's connection; 0 while it has none.
    int connectionId = 0;
    bool loaded = false;
    // -1 until the user ran one.
    int lastFunction = -1;
};
