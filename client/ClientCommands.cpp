#include "client/ClientCommands.h"

#include <cstdio>

#include "app/System.h"
#include "client/ClientDialog.h"
#include "client/TamborelClient.h"
#include "editor/Document.h"
#include "frame/CommandState.h"
#include "frame/MainMenuBar.h"
#include "frame/Workbench.h"
#include "framework/DialogManager.h"
#include "resources/resource.h"
#include "sdk/TamborelProtocol.h"
#include "settings/Setting.h"

namespace ToClient = TamborelProtocol::ToClient;

namespace {

const size_t menuClients = IDM_CLIENT_LAST - IDM_CLIENT_FIRST + 1;

std::string DoubleAmpersands(const std::string &text) {
    std::string doubled;
    for (char c : text) {
        doubled += c;
        if (c == '&')
            doubled += '&';
    }
    return doubled;
}

// File types are kept in lower case, without their dot.
std::string FileTypeOf(const Document &document) {
    std::string type = document.path.Extension();
    if (!type.empty() && type[0] == '.')
        type.erase(0, 1);
    for (char &c : type)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return type;
}

}

const CommandRoute<ClientCommands> ClientCommands::routes[] = {
    {IDM_CLIENT_FIRST, IDM_CLIENT_LAST, &ClientCommands::OnClient},
    {IDM_CLIENT_F5, IDM_CLIENT_F8, &ClientCommands::OnBoundKey},
};

ClientCommands::ClientCommands(Workbench &workbench)
    : workbench_(workbench), clients_(std::make_unique<TamborelClient>(workbench)) {}

ClientCommands::~ClientCommands() = default;

bool ClientCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

bool ClientCommands::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    return clients_->OnMessage(message, wParam, lParam, result);
}

void ClientCommands::OnFrameClosing() { clients_->Shutdown(); }

void ClientCommands::OnFrameCreated() {
    const std::vector<std::string> &names = clients_->ClientNames();
    HMENU popup = workbench_.MenuBar().Submenu(MainMenuBar::Client);
    for (size_t i = 0; i < names.size() && i < menuClients; ++i)
        AppendMenuA(popup, MF_STRING, IDM_CLIENT_FIRST + i, DoubleAmpersands(names[i]).c_str());
    if (!names.empty())
        workbench_.MenuBar().EnablePopup(MainMenuBar::Client, true);
}

// Each key's item names the client and function bound for the current document's type.
void ClientCommands::UpdateCommandState(CommandState &state) {
    if (!state.forMenus)
        return;
    const ClientSlots *slots = Bindings();
    for (int k = 0; k < 4; ++k) {
        std::string label;
        if (slots && !(*slots)[static_cast<size_t>(k)].name.empty())
            label = DoubleAmpersands((*slots)[static_cast<size_t>(k)].name + " - " + (*slots)[static_cast<size_t>(k)].function);
        char key[16];
        std::snprintf(key, sizeof key, "\t[F%d]", 5 + k);
        label += key;
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = &label[0];
        SetMenuItemInfoA(workbench_.MenuBar().Handle(), IDM_CLIENT_F5 + static_cast<UINT>(k), FALSE, &item);
    }
}

const ClientSlots *ClientCommands::Bindings() const {
    const Document *document = workbench_.Current();
    if (!document)
        return nullptr;
    const auto &bindings = System::Get().Settings().Common().clientBindings;
    auto found = bindings.find(FileTypeOf(*document));
    if (found == bindings.end())
        found = bindings.find("*");
    return found == bindings.end() ? nullptr : &found->second;
}

int ClientCommands::Prepare(const std::string &name, int &index) {
    bool started = false;
    const int id = clients_->Connect(name, started);
    index = clients_->IndexOf(name);
    if (!id || !clients_->LoadDescription(index, started))
        return 0;
    return id;
}

void ClientCommands::OnClient(UINT command) {
    const size_t position = command - IDM_CLIENT_FIRST;
    const std::vector<std::string> &names = clients_->ClientNames();
    if (position >= names.size())
        return;
    int index = -1;
    const int id = Prepare(names[position], index);
    if (!id)
        return;
    ClientDescription &description = *clients_->Description(index);
    const INT_PTR chosen = workbench_.Dialogs().Open<ClientDialog>(workbench_.Handle(), description);
    if (chosen >= 0) {
        description.lastFunction = static_cast<int>(chosen);
        clients_->Post(id, ToClient::RunFunction, static_cast<WPARAM>(chosen));
    } else {
        clients_->Post(id, ToClient::StateNotice, ToClient::Connected);
    }
}

// An empty key of a bound type does nothing, as a type without bindings does: there is no
// client to report missing.
void ClientCommands::OnBoundKey(UINT command) {
    const ClientSlots *slots = Bindings();
    if (!slots)
        return;
    const ClientSlot slot = (*slots)[command - IDM_CLIENT_F5];
    if (slot.name.empty())
        return;
    int index = -1;
    const int id = Prepare(slot.name, index);
    if (!id)
        return;
    ClientDescription &description = *clients_->Description(index);
    int function = -1;
    for (size_t i = 0; i < description.functions.size(); ++i) {
        if (description.functions[i].name == slot.function) {
            function = static_cast<int>(i);
            break;
        }
    }
    description.lastFunction = function;
    clients_->Post(id, ToClient::RunFunction, static_cast<WPARAM>(function));
}

std::vector<std::string> ClientCommands::ClientNames() const { return clients_->ClientNames(); }

std::vector<std::string> ClientCommands::FunctionsOf(const std::string &client) {
    int index = -1;
    std::vector<std::string> names;
    if (!Prepare(client, index))
        return names;
    for (const ClientWire::Function &function : clients_->Description(index)->functions)
        names.push_back(function.name);
    return names;
}
