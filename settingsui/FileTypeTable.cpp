#include "settingsui/FileTypeTable.h"

#include <windows.h>

#include <algorithm>

#include "framework/ShiftJis.h"

namespace {

const char *const projectType = "prj";
const char *const everyType = "*";

bool IsLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool SameSlots(const ClientSlots &a, const ClientSlots &b) {
    return std::equal(a.begin(), a.end(), b.begin(), [](const ClientSlot &x, const ClientSlot &y) {
        return x.name == y.name && x.function == y.function;
    });
}

}

std::string FileTypeTable::Normalized(const std::string &type) { return ShiftJis::LowerAscii(type.c_str()); }

const char *FileTypeTable::CheckType(const std::string &type) {
    if (type.empty())
        return "拡張子を入力して下さい。";
    if (type == projectType)
        return "拡張子 prj は登録できません。";
    if (type != everyType && !std::all_of(type.begin(), type.end(), IsLetterOrDigit))
        return "拡張子に不正な文字が含まれています。";
    return nullptr;
}

// The rows in order: one with a client but no function refuses the whole registration, and so
// does having no client at all.
const char *FileTypeTable::CheckSlots(const ClientSlots &slots) {
    bool anyClient = false;
    for (const ClientSlot &slot : slots) {
        if (slot.name.empty())
            continue;
        if (slot.function.empty())
            return "実行時処理が指定されていません。";
        anyClient = true;
    }
    return anyClient ? nullptr : "実行時処理が指定されていません。";
}

const char *FileTypeTable::Register(const FileTypeEntry &entry, bool changing) {
    const std::string type = Normalized(entry.type);
    if (const char *refused = CheckType(type))
        return refused;
    if (!changing && Contains(type))
        return "拡張子は既に登録されています。";
    if (entry.launch) {
        if (entry.application.empty())
            return "アプリケーションを指定して下さい。";
        if (GetFileAttributesA(entry.application.c_str()) == INVALID_FILE_ATTRIBUTES)
            return "アプリケーションは存在しません。";
    } else if (const char *refused = CheckSlots(entry.slots)) {
        return refused;
    }
    Remove(type);
    if (entry.launch) {
        launch_[type] = entry.application;
        return nullptr;
    }
    ClientSlots &slots = bindings_[type];
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i] = entry.slots[i].name.empty() ? ClientSlot{} : entry.slots[i];
    return nullptr;
}

void FileTypeTable::Remove(const std::string &type) {
    launch_.erase(type);
    bindings_.erase(type);
}

bool FileTypeTable::Matches(const LaunchTable &launch, const Bindings &bindings) const {
    return launch == launch_ && bindings.size() == bindings_.size() &&
           std::equal(bindings.begin(), bindings.end(), bindings_.begin(), [](const auto &a, const auto &b) {
               return a.first == b.first && SameSlots(a.second, b.second);
           });
}
