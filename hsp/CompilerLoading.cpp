#include "hsp/CompilerLoading.h"

#include "app/Report.h"
#include "hsp/Hsp.h"

bool LoadCompiler(HWND owner, Hsp &hsp, const std::string &home) {
    const std::string path = home + "hspcmp.dll";
    if (hsp.Load(path.c_str()))
        return true;
    if (!hsp.MissingEntry().empty()) {
        const std::string text = "ＨＳＰコンパイラ (hspcmp.dll) に関数 " + hsp.MissingEntry() + " がありません。\r\n" +
                                 "このエディタでは使えない古いコンパイラです。";
        Tell(owner, {"hsp compiler lacks a function", hsp.MissingEntry().c_str(), text.c_str(), MB_ICONWARNING});
        return false;
    }
    const std::string message = "couldn't load hsp compiler. err = " + std::to_string(hsp.LoadError());
    const std::string text = path + "\r\n" + "ＨＳＰコンパイラを読み込めませんでした。";
    Tell(owner, {message.c_str(), path.c_str(), text.c_str(), MB_ICONWARNING});
    return false;
}
