#include "support/TestHspHome.h"

#include <stdexcept>

#include "support/TestFiles.h"

namespace {
// The build root: the tests' folder is <build>\tests\, the program's <build>\dist\.
std::string BuildRoot() {
    const std::string dist = TestFiles::DistDirectory();
    return dist.substr(0, dist.size() - std::string("dist\\").size());
}

std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}
}

TestHspHome::TestHspHome() : home_(TestFiles::MakeTempFolder("tamborel-hsphome")) {
    if (!TestFiles::Exists(BuiltHome() + "hspcmp.dll"))
        throw std::runtime_error("the test HSP installation was not built: " + BuiltHome());
    TestFiles::CopyFolder(BuiltHome(), home_);
}

TestHspHome::~TestHspHome() { TestFiles::RemoveTree(home_); }

std::string TestHspHome::BuiltHome() { return BuildRoot() + "hsphome\\"; }

std::vector<std::string> TestHspHome::Launches(const std::string &program) const {
    return SplitLines(TestFiles::Read(home_ + program + ".log"));
}

std::vector<std::string> TestHspHome::WaitForLaunches(const std::string &program, size_t count, DWORD timeout) const {
    const DWORD start = GetTickCount();
    std::vector<std::string> launches = Launches(program);
    while (launches.size() < count && GetTickCount() - start < timeout) {
        Sleep(50);
        launches = Launches(program);
    }
    return launches;
}

void TestHspHome::UseLibraryLacking(const std::string &entry) const {
    if (entry != "hsc3_messize")
        throw std::invalid_argument("no library variant lacks " + entry);
    const std::string variant = BuildRoot() + "hsphome-variants\\lacking-messize\\hspcmp.dll";
    if (!CopyFileA(variant.c_str(), (home_ + "hspcmp.dll").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + variant);
}

std::string TestHspHome::SettingsEvent() const {
    return "<type id=\"open\"><property id=\"home_prompt\">no</property>"
           "<property id=\"home_directory\">" + home_ + "</property></type>";
}
