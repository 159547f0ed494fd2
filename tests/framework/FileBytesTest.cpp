#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/FileBytes.h"
#include "framework/FileSystem.h"
#include "support/TestFiles.h"

namespace {

// The real file calls, except one step that fails the way the platform would.
class FailingFileSystem : public FileSystem {
public:
    enum class Step { None, Write, Flush, Replace, InPlaceWrite };
    Step failing = Step::None;
    DWORD replaceError = ERROR_SHARING_VIOLATION;
    int writes = 0;

    FailingFileSystem() { Install(this); }
    ~FailingFileSystem() override { Install(nullptr); }

    bool Write(HANDLE file, const void *data, DWORD size) override {
        ++writes;
        const bool inPlace = writes > 1 && failing == Step::InPlaceWrite;
        if (failing == Step::Write || inPlace) {
            // A full disk: half of it lands.
            FileSystem::Write(file, data, size / 2);
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        return FileSystem::Write(file, data, size);
    }
    bool Flush(HANDLE file) override { return failing != Step::Flush && FileSystem::Flush(file); }
    bool Replace(const char *target, const char *replacement) override {
        if (failing == Step::Replace || failing == Step::InPlaceWrite) {
            SetLastError(replaceError);
            return false;
        }
        return FileSystem::Replace(target, replacement);
    }
};

class FileBytesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestFiles::MakeTempFolder("tamborel-bytes");
        path = folder + "script.hsp";
        TestFiles::Write(path, original);
    }
    void TearDown() override { TestFiles::RemoveTree(folder); }
    size_t Temporaries() const { return TestFiles::Count(folder + "tmb*.tmp"); }

    std::string folder;
    std::string path;
    const std::string original = "mes \"original\"\r\n";
    const std::string changed = "mes \"changed\"\r\nstop\r\n";
};

}

TEST_F(FileBytesTest, ReplacesWholeAndKeepsTheAttributes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(FileBytes::Replace(path.c_str(), changed).saved);
    EXPECT_EQ(changed, TestFiles::Read(path));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(0u, Temporaries());

    const std::string fresh = folder + "new.hsp";
    EXPECT_TRUE(FileBytes::Replace(fresh.c_str(), changed).saved);
    EXPECT_EQ(changed, TestFiles::Read(fresh));
}

TEST_F(FileBytesTest, AFailureBeforeTheReplaceLeavesTheOriginalAndNoTemporaryFile) {
    for (auto step : {FailingFileSystem::Step::Write, FailingFileSystem::Step::Flush}) {
        FailingFileSystem files;
        files.failing = step;
        const FileBytes::Outcome outcome = FileBytes::Replace(path.c_str(), changed);
        EXPECT_FALSE(outcome.saved);
        EXPECT_TRUE(outcome.kept.empty());
        EXPECT_EQ(original, TestFiles::Read(path));
        EXPECT_EQ(0u, Temporaries());
    }
}

TEST_F(FileBytesTest, AnOriginalThatCannotBeReplacedIsOverwrittenInPlaceAndCheckedBack) {
    FailingFileSystem files;
    files.failing = FailingFileSystem::Step::Replace;
    EXPECT_TRUE(FileBytes::Replace(path.c_str(), changed).saved);
    EXPECT_EQ(changed, TestFiles::Read(path));
    EXPECT_EQ(0u, Temporaries());
}

TEST_F(FileBytesTest, WhenTheOriginalMayBeDamagedOrGoneTheCompleteTemporaryFileIsKept) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (DWORD error : {DWORD{ERROR_UNABLE_TO_MOVE_REPLACEMENT}, DWORD{ERROR_UNABLE_TO_MOVE_REPLACEMENT_2}}) {
        FailingFileSystem files;
        files.failing = FailingFileSystem::Step::Replace;
        files.replaceError = error;
        const FileBytes::Outcome outcome = FileBytes::Replace(path.c_str(), changed);
        EXPECT_FALSE(outcome.saved);
        ASSERT_FALSE(outcome.kept.empty());
        EXPECT_EQ(changed, TestFiles::Read(outcome.kept));
        EXPECT_FALSE(GetFileAttributesA(outcome.kept.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "the user is sent to it";
        DeleteFileA(outcome.kept.c_str());
    }
    FailingFileSystem files;
    files.failing = FailingFileSystem::Step::InPlaceWrite;
    const FileBytes::Outcome outcome = FileBytes::Replace(path.c_str(), changed);
    EXPECT_FALSE(outcome.saved);
    ASSERT_FALSE(outcome.kept.empty());
    EXPECT_EQ(changed, TestFiles::Read(outcome.kept));
}

TEST_F(FileBytesTest, ReadGivesTheBytesOrSaysWhy) {
    std::string bytes;
    EXPECT_EQ(FileBytes::ReadState::Read, FileBytes::Read(path.c_str(), bytes));
    EXPECT_EQ(original, bytes);
    EXPECT_EQ(FileBytes::ReadState::TooLarge, FileBytes::Read(path.c_str(), bytes, 4));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(FileBytes::ReadState::Missing, FileBytes::Read((folder + "none.hsp").c_str(), bytes));
    EXPECT_EQ(FileBytes::ReadState::Unreadable, FileBytes::Read(folder.c_str(), bytes));
}
