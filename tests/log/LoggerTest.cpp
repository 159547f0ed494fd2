#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "framework/KernelHandle.h"
#include "log/Logger.h"
#include "support/ChildMode.h"
#include "support/TestFiles.h"

namespace {

const size_t HeaderLength = 26; // "2026/03/03 09:05:07 (w) - "

class LoggerTest : public testing::Test {
protected:
    void SetUp() override { folder_ = TestFiles::MakeTempFolder("tamborel-log"); }
    void TearDown() override { TestFiles::RemoveTree(folder_); }

    std::string File(int generation) const { return folder_ + "Tamborel" + std::to_string(generation) + ".log"; }
    std::string Read(int generation) const { return TestFiles::Read(File(generation)); }
    bool Exists(int generation) const { return TestFiles::Exists(File(generation)); }

    std::string folder_;
};

std::vector<std::string> Lines(const std::string &bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the file ends inside a line";
    return lines;
}

// "2026/03/03 09:05:07 (w) - message", in local time.
TEST_F(LoggerTest, LinesCarryTheLocalTimeTheLetterAndTheMessage) {
    Logger logger(folder_.c_str());
    logger.level = 5;
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    logger.Fatal("%s", "fatal");
    logger.Error("%s [%s]", "error", "C:\\ソフト\\a.hsp");
    logger.Warn("%d%%", 42);
    logger.Info("%s %s", "info", "detail");
    logger.Debug("debug");
    GetLocalTime(&after);
    auto minute = [](const SYSTEMTIME &t) {
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d %02d:%02d:", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
        return std::string(stamp);
    };
    const char *expected[] = {"(f) - fatal", "(e) - error [C:\\ソフト\\a.hsp]", "(w) - 42%", "(i) - info detail", "(d) - debug"};
    const std::vector<std::string> lines = Lines(Read(1));
    ASSERT_EQ(5u, lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].substr(0, 17) == minute(before) || lines[i].substr(0, 17) == minute(after)) << lines[i];
        EXPECT_TRUE(std::regex_match(lines[i].substr(17, 3), std::regex(R"(\d\d )"))) << lines[i];
        EXPECT_EQ(expected[i], lines[i].substr(20));
    }
}

// Nothing to write means the file is not even created.
TEST_F(LoggerTest, TheLevelDropsLinesAboveIt) {
    const struct {
        int setting;
        size_t lines;
    } cases[] = {{'D', 5}, {'I', 4}, {'W', 3}, {'E', 2}, {'F', 1}, {'A', 0}, {0, 0}};
    for (const auto &c : cases) {
        DeleteFileA(File(1).c_str());
        Logger logger(folder_.c_str());
        logger.level = Logger::LevelOfSetting(c.setting);
        logger.Fatal("f");
        logger.Error("e");
        logger.Warn("w");
        logger.Info("i");
        logger.Debug("d");
        EXPECT_EQ(c.lines != 0, Exists(1)) << c.setting;
        EXPECT_EQ(c.lines, Lines(Read(1)).size()) << c.setting;
    }
}

// Lines logged before the level is known wait for it, in order, with the time they were logged.
TEST_F(LoggerTest, HeldLinesAreWrittenOnReleaseByTheLevelSetMeanwhile) {
    Logger logger(folder_.c_str());
    logger.Hold();
    logger.Warn("%s", "early warning");
    logger.Debug("%s", "early debug");
    logger.Fatal("%s", "early fatal");
    EXPECT_FALSE(Exists(1));
    logger.level = 3;
    logger.Release();
    logger.Warn("later");
    const std::vector<std::string> lines = Lines(Read(1));
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("(w) - early warning", lines[0].substr(20));
    EXPECT_EQ("(f) - early fatal", lines[1].substr(20));
    EXPECT_EQ("(w) - later", lines[2].substr(20));
}

TEST_F(LoggerTest, RollsOverOnlyPastOneMebibyteSkippingMissingGenerations) {
    Logger logger(folder_.c_str());
    logger.level = 3;
    const std::string full(Logger::RolloverSize, 'x');
    TestFiles::Write(File(1), full);
    logger.Warn("appended");
    const std::string appended = Read(1);
    EXPECT_EQ(full, appended.substr(0, full.size()));
    EXPECT_EQ("(w) - appended\r\n", appended.substr(full.size() + 20));
    EXPECT_FALSE(Exists(2));

    for (int g = 2; g <= 5; ++g)
        TestFiles::Write(File(g), "generation " + std::to_string(g));
    logger.Warn("new");
    EXPECT_EQ(appended, Read(2));
    for (int g = 3; g <= 5; ++g)
        EXPECT_EQ("generation " + std::to_string(g - 1), Read(g));
    EXPECT_EQ(1u, Lines(Read(1)).size());

    // Only the current file and the third: the others are not made up.
    for (int g = 2; g <= 5; ++g)
        DeleteFileA(File(g).c_str());
    TestFiles::Write(File(1), appended);
    TestFiles::Write(File(3), "three");
    logger.Warn("first");
    EXPECT_EQ(appended, Read(2));
    EXPECT_FALSE(Exists(3));
    EXPECT_EQ("three", Read(4));
    EXPECT_FALSE(Exists(5));
    EXPECT_EQ(1u, Lines(Read(1)).size());
}

TEST_F(LoggerTest, AFailedRolloverDropsTheLineAndKeepsEveryFile) {
    Logger logger(folder_.c_str());
    logger.level = 3;
    const std::string big(Logger::RolloverSize + 1, 'z');
    TestFiles::Write(File(1), big);
    // A folder in place of the oldest generation cannot be deleted, so the rollover fails.
    ASSERT_TRUE(CreateDirectoryA(File(5).c_str(), nullptr));
    TestFiles::Write(File(4), "four");
    logger.Warn("lost");
    EXPECT_EQ(big, Read(1));
    EXPECT_EQ("four", Read(4));
    RemoveDirectoryA(File(5).c_str());
}

// A missing folder is not created; a folder name is never taken for a format.
TEST_F(LoggerTest, TheFolderIsUsedAsItStands) {
    const std::string missing = folder_ + "absent\\", odd = folder_ + "100%s%d%n\\";
    Logger nowhere(missing.c_str());
    nowhere.level = 5;
    nowhere.Fatal("%s", "nowhere");
    EXPECT_FALSE(TestFiles::Exists(missing));
    ASSERT_TRUE(CreateDirectoryA(odd.c_str(), nullptr));
    Logger logger(odd.c_str());
    logger.level = 3;
    logger.Warn("kept");
    EXPECT_EQ(1u, Lines(TestFiles::Read(odd + "Tamborel1.log")).size());
}

TEST_F(LoggerTest, MessagesAreBoundedToTheBuffer) {
    Logger logger(folder_.c_str());
    logger.level = 3;
    // A double-byte character straddling the end of the buffer is dropped whole.
    std::string huge(Logger::BufferSize - 2, 'a');
    huge += "ソソソ";
    logger.Warn("%s", huge.c_str());
    const std::string bytes = Read(1);
    ASSERT_EQ(HeaderLength + Logger::BufferSize - 2 + 2, bytes.size());
    EXPECT_EQ(std::string(Logger::BufferSize - 2, 'a'), bytes.substr(HeaderLength, Logger::BufferSize - 2));
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));

    // Past one mebibyte already: the next line starts a new file, bounded as well.
    const std::string ascii(Logger::BufferSize, 'b');
    logger.Warn("%s and %s", ascii.c_str(), ascii.c_str());
    EXPECT_EQ(bytes, Read(2));
    EXPECT_EQ(HeaderLength + Logger::BufferSize - 1 + 2, Read(1).size());
}

TEST_F(LoggerTest, ALineWaitsAtMostFiveSecondsForTheMutex) {
    Logger logger(folder_.c_str());
    logger.level = 3;
    KernelHandle held(CreateMutexA(nullptr, FALSE, logger.MutexName()));
    KernelHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    KernelHandle owned(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread holder([&] {
        WaitForSingleObject(held.Get(), INFINITE);
        SetEvent(owned.Get());
        WaitForSingleObject(release.Get(), 20000);
        ReleaseMutex(held.Get());
    });
    WaitForSingleObject(owned.Get(), 5000);
    const DWORD start = GetTickCount();
    logger.Warn("lost");
    const DWORD waited = GetTickCount() - start;
    SetEvent(release.Get());
    holder.join();
    EXPECT_GE(waited, 4900u);
    EXPECT_LT(waited, 8000u);
    EXPECT_FALSE(Exists(1));
    logger.Warn("written");
    EXPECT_EQ(1u, Lines(Read(1)).size());
}

// Several processes: each writes numbered lines whose length varies with the number.
std::string Payload(int child, int line) {
    return std::string(static_cast<size_t>(300 + (line * 37 + child * 11) % 900), static_cast<char>('a' + (line + child) % 26));
}

std::string Message(int child, int line) {
    return "child " + std::to_string(child) + " line " + std::to_string(line) + " " + Payload(child, line);
}

int LogChild(int argc, char **argv) {
    if (argc < 3)
        return 2;
    // The folder comes without its backslash: a backslash before the closing quote would escape it.
    Logger logger((std::string(argv[0]) + "\\").c_str());
    logger.level = 5;
    const int count = std::atoi(argv[1]);
    const int child = std::atoi(argv[2]);
    for (int line = 0; line < count; ++line)
        logger.Info("%s", Message(child, line).c_str());
    return 0;
}

const ChildMode::Registration logChild("--log-child", LogChild);

TEST_F(LoggerTest, ProcessesSharingTheFilesLoseNoLineThroughRollovers) {
    const int children = 4;
    const int count = 900;
    std::vector<KernelHandle> processes;
    for (int child = 0; child < children; ++child) {
        processes.push_back(ChildMode::Start("--log-child", "\"" + folder_.substr(0, folder_.size() - 1) + "\" " + std::to_string(count) + " " +
                                                                std::to_string(child)));
        ASSERT_TRUE(processes.back().Valid());
    }
    std::vector<HANDLE> handles;
    for (const KernelHandle &process : processes)
        handles.push_back(process.Get());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, 300000));
    for (const KernelHandle &process : processes) {
        DWORD code = 1;
        GetExitCodeProcess(process.Get(), &code);
        EXPECT_EQ(0u, code);
    }

    size_t expectedBytes = 0;
    for (int child = 0; child < children; ++child)
        for (int line = 0; line < count; ++line)
            expectedBytes += HeaderLength + Message(child, line).size() + 2;
    ASSERT_TRUE(Exists(3)) << "fewer than two rollovers";

    const std::regex shape(R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d \(i\) - child (\d+) line (\d+) ([a-z]+))");
    std::map<int, int> next; // child -> the line expected next, oldest file first
    size_t totalBytes = 0;
    size_t totalLines = 0;
    for (int generation = Logger::Generations; generation >= 1; --generation) {
        if (!Exists(generation))
            continue;
        const std::string bytes = Read(generation);
        totalBytes += bytes.size();
        if (generation > 1) {
            EXPECT_GT(bytes.size(), Logger::RolloverSize) << "generation " << generation << " rolled over early";
        }
        for (const std::string &line : Lines(bytes)) {
            std::smatch match;
            ASSERT_TRUE(std::regex_match(line, match, shape)) << "a broken line: " << line.substr(0, 80);
            const int child = std::atoi(match[1].str().c_str());
            const int number = std::atoi(match[2].str().c_str());
            ASSERT_EQ(next[child], number) << "child " << child << " lost or repeated a line";
            EXPECT_EQ(Payload(child, number), match[3].str());
            ++next[child];
            ++totalLines;
        }
    }
    for (int child = 0; child < children; ++child)
        EXPECT_EQ(count, next[child]);
    EXPECT_EQ(static_cast<size_t>(children * count), totalLines);
    EXPECT_EQ(expectedBytes, totalBytes);
}

}
