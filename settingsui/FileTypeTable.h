// The file-type table as the launch and run page edits it: copies of the launch entries and of
// the client key bindings, changed only by registering and removing entries. A registration is
// checked in full before anything changes; a refused one says why in the user's words.
#pragma once

#include <map>
#include <string>

#include "settings/LexerCommon.h"

struct FileTypeEntry {
    std::string type;
    // Launch processing (an application opens the files); else execution processing (F5 to F8
    // run client functions).
    bool launch = true;
    std::string application;
    ClientSlots slots;
};

class FileTypeTable {
public:
    using LaunchTable = std::map<std::string, std::string>;
    using Bindings = std::map<std::string, ClientSlots>;

    FileTypeTable(LaunchTable launch, Bindings bindings) : launch_(std::move(launch)), bindings_(std::move(bindings)) {}

    // The type as stored: lower case.
    static std::string Normalized(const std::string &type);
    // Stores the entry, replacing the one of the same type when changing says so. Null when
    // stored, else the message that tells the user why not (nothing changed then).
    const char *Register(const FileTypeEntry &entry, bool changing);
    void Remove(const std::string &type);
    bool Contains(const std::string &type) const { return launch_.count(type) || bindings_.count(type); }

    const LaunchTable &Launch() const { return launch_; }
    const Bindings &Bind() const { return bindings_; }
    // Whether these are the tables the settings hold (so applying would change nothing).
    bool Matches(const LaunchTable &launch, const Bindings &bindings) const;

private:
    static const char *CheckType(const std::string &type);
    static const char *CheckSlots(const ClientSlots &slots);

    LaunchTable launch_;
    Bindings bindings_;
};
