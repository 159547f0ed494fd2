// Registering entries in the file-type table: the checks in their order, what is stored, and
// that a refused entry changes nothing.
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

}

TEST(FileTypeTable, RegistrationsAreCheckedInOrderAndStoredWhole) {
    const std::string program = ThisProgram();
    const auto cases = TestData::Lines("REGISTRATIONS");
    ASSERT_FALSE(cases.empty());
    for (const std::string &line : cases) {
        const auto fields = TestData::Fields(line);
        ASSERT_GE(fields.size(), 6u) << line;
        const FileTypeTable::LaunchTable launch{{"txt", program}};
        const FileTypeTable::Bindings bindings{{"as", SlotsOf("alpha:run,,,")}};
        FileTypeTable table(launch, bindings);
        FileTypeEntry entry;
        entry.type = fields[0];
        entry.launch = fields[1] == "launch";
        entry.application = fields[2] == "<exe>" ? program : fields[2];
        entry.slots = SlotsOf(fields[3]);
        const char *told = table.Register(entry, fields[4] == "yes");
        EXPECT_STREQ(fields[5] == "stored" ? "(stored)" : fields[5].c_str(), told ? told : "(stored)") << line;
        auto expectedLaunch = launch;
        auto expectedBindings = bindings;
        if (!told) {
            const std::string type = FileTypeTable::Normalized(entry.type);
            expectedLaunch.erase(type);
            expectedBindings.erase(type);
            if (entry.launch)
                expectedLaunch[type] = program;
            else
                expectedBindings[type] = SlotsOf(fields.at(6));
        }
        EXPECT_TRUE(table.Matches(expectedLaunch, expectedBindings)) << line;
        EXPECT_FALSE(table.Matches({}, {})) << line;
    }
}
