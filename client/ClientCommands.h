// The client menu and the keys F5 to F8: the client programs in client\, started from the menu
// with their dialog or by the key bound to one of their functions for the current document's
// file type. Offers the client list to the settings dialog (ClientCatalogue).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "client/ClientCatalogue.h"
#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "settings/LexerCommon.h"

class TamborelClient;
class Workbench;

class ClientCommands : public Subsystem, public ClientCatalogue {
public:
    explicit ClientCommands(Workbench &workbench);
    ~ClientCommands() override;

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;
    void OnFrameCreated() override;
    void OnFrameClosing() override;
    bool OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

    std::vector<std::string> ClientNames() const override;
    std::vector<std::string> FunctionsOf(const std::string &client) override;

    TamborelClient &Clients() { return *clients_; }

private:
    static const CommandRoute<ClientCommands> routes[];

    void OnClient(UINT id);
    void OnBoundKey(UINT id);
    // The keys bound for the current document's file type, else those of "*"; null with neither.
    const ClientSlots *Bindings() const;
    // The client's connection with its description loaded: its id, or 0.
    int Prepare(const std::string &name, int &index);

    Workbench &workbench_;
    std::unique_ptr<TamborelClient> clients_;
};
