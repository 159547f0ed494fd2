#include <gtest/gtest.h>

#include <string>

#include "hsp/Hsp.h"
#include "support/TestFiles.h"
#include "support/TestHspHome.h"

namespace {

std::string Messages(const Hsp &hsp) {
    int size = 0;
    hsp.Call(HspLibrary::hsc3_messize, reinterpret_cast<INT_PTR>(&size));
    std::string text(static_cast<size_t>(size), '\0');
    hsp.Call(HspLibrary::hsc_getmes, reinterpret_cast<INT_PTR>(&text[0]));
    return text.c_str();
}

INT_PTR Text(const std::string &text) { return reinterpret_cast<INT_PTR>(text.c_str()); }

}

TEST(HspLibrary, ResolvesEveryEntryPointOfTheTestInstallation) {
    TestHspHome home;
    Hsp hsp;
    ASSERT_TRUE(hsp.Load((home.Path() + "hspcmp.dll").c_str()));
    EXPECT_TRUE(hsp.IsReady());
    for (int i = 0; i < HspLibrary::EntryCount; ++i)
        EXPECT_TRUE(hsp.Resolved(static_cast<HspLibrary::Entry>(i))) << HspLibrary::names[i];
    hsp.Unload();
    EXPECT_FALSE(hsp.IsReady());
    EXPECT_FALSE(hsp.Resolved(HspLibrary::hsc_ini));
}

TEST(HspLibrary, LibraryLackingAnEntryPointIsNotKept) {
    TestHspHome home;
    home.UseLibraryLacking("hsc3_messize");
    Hsp hsp;
    EXPECT_FALSE(hsp.Load((home.Path() + "hspcmp.dll").c_str()));
    EXPECT_FALSE(hsp.IsReady());
    EXPECT_FALSE(hsp.IsLoaded());
    EXPECT_EQ("hsc3_messize", hsp.MissingEntry());
}

// The test compiler reads a script's includes from common\, names the failing file and line,
// and writes no object on failure.
TEST(HspLibrary, TestCompilerReportsErrorsByFileAndLine) {
    TestHspHome home;
    const std::string folder = TestFiles::MakeTempFolder("tamborel-hsplib");
    TestFiles::Write(folder + "main.hsp", "#include \"hsp3util.as\"\r\nmes \"ok\"\r\nmes \"broken\r\n");
    Hsp hsp;
    ASSERT_TRUE(hsp.Load((home.Path() + "hspcmp.dll").c_str()));
    SetCurrentDirectoryA(folder.c_str());
    const std::string source = folder + "main.hsp";
    const std::string object = folder + "main.ax";
    const std::string common = home.Path() + "common\\";
    hsp.Call(HspLibrary::hsc_ini, 0, Text(source));
    hsp.Call(HspLibrary::hsc_refname, 0, Text("main.hsp"));
    hsp.Call(HspLibrary::hsc_objname, 0, Text(object));
    hsp.Call(HspLibrary::hsc_compath, 0, Text(common));
    EXPECT_NE(0, hsp.Call(HspLibrary::hsc_comp));
    EXPECT_NE(std::string::npos, Messages(hsp).find("main.hsp(3) : error 2 : 文字列が閉じられていません (3行目)\r\n--> mes \"broken"))
        << Messages(hsp);
    EXPECT_FALSE(TestFiles::Exists(object));

    TestFiles::Write(source, "#include \"hsp3util.as\"\r\n#runtime \"hsp3mt\"\r\nmes \"ok\"\r\n");
    hsp.Call(HspLibrary::hsc_ini, 0, Text(source));
    hsp.Call(HspLibrary::hsc_objname, 0, Text(object));
    hsp.Call(HspLibrary::hsc_compath, 0, Text(common));
    EXPECT_EQ(0, hsp.Call(HspLibrary::hsc_comp)) << Messages(hsp);
    char runtime[260] = "";
    hsp.Call(HspLibrary::hsc3_getruntime, reinterpret_cast<INT_PTR>(runtime), Text(object));
    EXPECT_STREQ("hsp3mt.exe", runtime);
    SetCurrentDirectoryA(TestFiles::ProgramFolder().c_str());
    TestFiles::RemoveTree(folder);
}
