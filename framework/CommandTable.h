// A command table: ranges of command ids, each handled by one member of the table's owner. Every
// part of the program that answers commands keeps one, and this one walk serves them all.
#pragma once

#include <windows.h>

#include <cstddef>

template <class Owner> struct CommandRoute {
    UINT first;
    UINT last;
    void (Owner::*handler)(UINT id);
};

// Runs the handler of the first route holding id; false when no route does.
template <class Owner, size_t N>
bool DispatchCommand(const CommandRoute<Owner> (&routes)[N], Owner &owner, UINT id) {
    for (const CommandRoute<Owner> &route : routes) {
        if (id >= route.first && id <= route.last) {
            (owner.*route.handler)(id);
            return true;
        }
    }
    return false;
}
