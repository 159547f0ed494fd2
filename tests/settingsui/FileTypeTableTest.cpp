// Registering entries in the file-type table: the checks in their order, what is stored, and
// that a refused entry changes nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "settingsui/FileTypeTable.h"
#include "support/TestData.h"
#include "support/TestFiles.h"

namespace {

// "alpha:run,,beta:build," as four slots.
ClientSlots SlotsOf(const std::string &text) {
    ClientSlots slots;
    std::istringstream pairs(text);
    std::string pair;
    for (ClientSlot &slot : slots)
        if (std::getline(pairs, pair, ',') && pair.find(':') != std::string::npos)
            slot = {pair.substr(0, pair.find(':')), pair.substr(pair.find(':') + 1)};
    return slots;
}

}

TEST(FileTypeTable, RegistrationsAreCheckedInOrderAndStoredWhole) {
    const std::string program = TestFiles::DistDirectory() + "Tamborel.exe";
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
