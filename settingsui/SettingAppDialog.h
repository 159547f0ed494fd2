// The launch and run page: per file type, either an application that opens its files instead
// of the editor, or the client functions that F5 to F8 run for its documents. The page works on
// copies of both tables; only OK puts them into the settings.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/ComboBox.h"
#include "framework/ListCtrl.h"
#include "settingsui/FileTypeTable.h"
#include "settingsui/SettingPage.h"
#include "settingsui/SettingsUiResources.h"

class ClientCatalogue;
struct SettingContext;

class SettingAppDialog : public SettingPage {
public:
    static constexpr int TemplateId = IDD_SETTING_APP;
    static constexpr int SlotCount = 4;

    explicit SettingAppDialog(const SettingContext &context);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;

protected:
    void Apply() override;

private:
    void SetUpList();
    void RefreshList(const std::string &select);
    void AddRow(int row, const std::string &type) const;
    // A row of texts by column, with the small icon of program.
    void InsertRow(int row, const std::vector<std::string> &texts, const std::string &program) const;
    void SelectKind(bool launch);
    void ShowClients();
    void ClientChosen(int slot);
    void ChooseApplication();
    void ShowRow(int row);
    void ShowBinding(int slot, const ClientSlot &binding);
    void RefreshRegisterCaption();
    void RegisterEntry();
    void RemoveEntry();
    FileTypeEntry Entry() const;
    // The type of the selected row, or "" when none is selected.
    std::string SelectedType() const;
    ClientCatalogue *Catalogue() const;

    const SettingContext &context_;
    FileTypeTable table_;
    ListCtrl list_;
    std::array<ComboBox, SlotCount> clients_;
    std::array<ComboBox, SlotCount> functions_;
};
