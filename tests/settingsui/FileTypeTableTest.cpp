// Registering entries in the file-type table: the checks in their order, and what is stored.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "settingsui/FileTypeTable.h"
#include "support/TestData.h"

namespace {

std::string ThisProgram() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// "alpha:run,,beta:build," as four slots.
ClientSlots SlotsOf(const std::string &text) {
    ClientSlots slots;
    size_t start = 0;
    for (ClientSlot &slot : slots) {
        if (start > text.size())
            break;
        const size_t end = std::min(text.find(',', start), text.size());
        const std::string pair = text.substr(start, end - start);
        const size_t colon = pair.find(':');
        if (colon != std::string::npos)
            slot = {pair.substr(0, colon), pair.substr(colon + 1)};
        start = end + 1;
    }
    return slots;
}

std::string TextOf(const ClientSlots &slots) {
    std::string text;
    for (size_t i = 0; i < slots.size(); ++i)
        text += (i ? "," : "") + (slots[i].name.empty() && slots[i].function.empty() ? "" : slots[i].name + ":" + slots[i].function);
    return text;
}

}

TEST(FileTypeTable, RegistrationsAreCheckedInOrderAndStoredWhole) {
    const std::string program = ThisProgram();
    const auto cases = TestData::Lines("REGISTRATIONS");
    ASSERT_FALSE(cases.empty());
    for (const std::string &line : cases) {
        const auto fields = TestData::Fields(line);
        ASSERT_GE(fields.size(), 6u) << line;
        FileTypeTable table({{"txt", program}}, {{"as", SlotsOf("alpha:run,,,")}});
        FileTypeEntry entry;
        entry.type = fields[0];
        entry.launch = fields[1] == "launch";
        entry.application = fields[2] == "<exe>" ? program : fields[2];
        entry.slots = SlotsOf(fields[3]);
        const char *told = table.Register(entry, fields[4] == "yes");
        const std::string type = FileTypeTable::Normalized(entry.type);
        if (fields[5] != "stored") {
            EXPECT_STREQ(fields[5].c_str(), told ? told : "(stored)") << line;
            EXPECT_TRUE(table.Matches({{"txt", program}}, {{"as", SlotsOf("alpha:run,,,")}})) << line;
            continue;
        }
        EXPECT_EQ(nullptr, told) << line << ": " << told;
        EXPECT_EQ(entry.launch, table.Launch().count(type) == 1) << line;
        EXPECT_EQ(!entry.launch, table.Bind().count(type) == 1) << line;
        if (entry.launch)
            EXPECT_EQ(program, table.Launch().at(type)) << line;
        else
            EXPECT_EQ(fields.at(6), TextOf(table.Bind().at(type))) << line;
    }
}

TEST(FileTypeTable, RemovingATypeTakesItFromBothTablesAndTheRestStays) {
    const ClientSlots slots = SlotsOf("alpha:run,,,");
    FileTypeTable table({{"txt", "a.exe"}, {"log", "b.exe"}}, {{"as", slots}});
    table.Remove("txt");
    table.Remove("as");
    EXPECT_TRUE(table.Matches({{"log", "b.exe"}}, {}));
    EXPECT_FALSE(table.Matches({{"log", "b.exe"}}, {{"as", slots}}));
}
