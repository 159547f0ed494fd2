// The test compiler library's entry points: each takes four pointer-sized arguments and returns
// 0 on success. Like the real library it keeps one session: the names given before a compile,
// the message text of the last call, and the pack being made. Relative paths are taken against
// the current folder, which the caller sets.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "Bytes.h"
#include "ObjectFile.h"
#include "Pack.h"
#include "Script.h"

#define HSP_ENTRY(name) extern "C" int WINAPI name(INT_PTR p1, INT_PTR p2, INT_PTR p3, INT_PTR p4)

namespace {

struct Session {
    std::string source;
    std::string shownName;
    std::string object;
    std::string common;
    int mode = 0;
    std::string messages;
    std::string packBase;
    std::vector<PackEntry> packList;
    ExecutableOptions options;
    std::string runtimeFolder;
};
Session session;

const char version[] = "HSP compiler ver3.6 (test installation)";

// Names and kinds, as the library lists its reserved words.
const char symbols[] =
    "goto\tsys|func|1\r\ngosub\tsys|func|1\r\nreturn\tsys|func|1\r\nend\tsys|func|1\r\nstop\tsys|func|1\r\n"
    "repeat\tsys|func|1\r\nloop\tsys|func|1\r\nif\tsys|func|1\r\nelse\tsys|func|1\r\nmes\tsys|func|2\r\n"
    "print\tsys|func|2\r\npos\tsys|func|2\r\ncolor\tsys|func|2\r\nboxf\tsys|func|2\r\nredraw\tsys|func|2\r\n"
    "screen\tsys|func|2\r\nbuffer\tsys|func|2\r\ngsel\tsys|func|2\r\ndialog\tsys|func|2\r\nwait\tsys|func|2\r\n"
    "await\tsys|func|2\r\nstick\tsys|func|2\r\ngetkey\tsys|func|2\r\nrnd\tsys|func|3\r\nstr\tsys|func|3\r\n"
    "int\tsys|func|3\r\nstrlen\tsys|func|3\r\ninstr\tsys|func|3\r\ncnt\tsys|var\r\nstat\tsys|var\r\n"
    "refstr\tsys|var\r\nginfo_winx\tsys|var\r\nmousex\tsys|var\r\nmousey\tsys|var\r\n"
    "__hspver__\tsys|macro\r\n__date__\tsys|macro\r\nM_PI\tsys|macro\r\n#include\tsys|prep\r\n"
    "#runtime\tsys|prep\r\n#packopt\tsys|prep\r\n";

const char *Text(INT_PTR value) { return value ? reinterpret_cast<const char *>(value) : ""; }

void CopyOut(INT_PTR buffer, const std::string &text, size_t capacity) {
    char *out = reinterpret_cast<char *>(buffer);
    if (!out || capacity == 0)
        return;
    const size_t length = text.size() < capacity ? text.size() : capacity - 1;
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

int Fail(const std::string &message) {
    session.messages += message + "\r\n";
    return 1;
}

}

HSP_ENTRY(hsc_ini) {
    session.source = Text(p2);
    session.shownName.clear();
    session.object = "obj";
    session.messages.clear();
    return 0;
}

HSP_ENTRY(hsc_refname) {
    session.shownName = Text(p2);
    return 0;
}

HSP_ENTRY(hsc_objname) {
    session.object = Text(p2);
    return 0;
}

HSP_ENTRY(hsc_compath) {
    session.common = Text(p2);
    return 0;
}

// On failure no object file is written.
HSP_ENTRY(hsc_comp) {
    session.mode = static_cast<int>(p2);
    const CompiledScript script = CompileScript(session.source, session.shownName, session.common);
    session.messages = script.messages;
    if (!script.ok)
        return 1;
    ObjectFile object;
    object.source = session.shownName.empty() ? Bytes::FilePart(session.source) : session.shownName;
    object.runtime = script.runtime;
    object.packName = script.packName;
    object.mode = session.mode;
    object.code = script.code;
    if (!object.Write(session.object))
        return Fail("#Error: オブジェクトファイルを書き込めません [" + session.object + "]");
    return 0;
}

HSP_ENTRY(hsc_getmes) {
    CopyOut(p1, session.messages, session.messages.size() + 1);
    return 0;
}

HSP_ENTRY(hsc_clrmes) {
    session.messages.clear();
    return 0;
}

HSP_ENTRY(hsc_ver) {
    CopyOut(p4, version, 260);
    return 0;
}

HSP_ENTRY(hsc_bye) {
    session = Session();
    return 0;
}

HSP_ENTRY(hsc3_messize) {
    if (int *size = reinterpret_cast<int *>(p1))
        *size = static_cast<int>(session.messages.size() + 1);
    return 0;
}

HSP_ENTRY(hsc3_getsym) {
    session.messages = symbols;
    return 0;
}

HSP_ENTRY(hsc3_getruntime) {
    ObjectFile object;
    if (!object.Read(Text(p2))) {
        CopyOut(p1, "", 260);
        return Fail(std::string("#Error: オブジェクトファイルが読めません [") + Text(p2) + "]");
    }
    CopyOut(p1, object.RuntimeProgram(), 260);
    return 0;
}

// Starts the command line (a runtime and its object file) and does not wait for it.
HSP_ENTRY(hsc3_run) {
    std::string commandLine = Text(p1);
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return Fail("#Error: ランタイムを起動できません [" + std::string(Text(p1)) + "]");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

// An executable from the last object: the runtime of hsprt\ it names, the files of the current
// folder's packfile and the object as start.ax, written as <#packopt name or hsptmp>.exe.
HSP_ENTRY(hsc3_make) {
    ObjectFile object;
    std::string objectBytes;
    if (!object.Read(session.object) || !Bytes::ReadFile(session.object, objectBytes))
        return Fail("#Error: オブジェクトファイルが読めません [" + session.object + "]");
    const std::string program = object.RuntimeProgram().empty() ? "hsp3.exe" : object.RuntimeProgram();
    std::string runtime;
    if (!Bytes::ReadFile(std::string(Text(p2)) + "hsprt\\" + program, runtime))
        return Fail("#Error: ランタイムファイルが見つかりません [hsprt\\" + program + "]");
    std::vector<PackEntry> entries;
    ReadPackList("packfile", entries);
    std::string dpm;
    std::string error;
    if (!MakeDpm(entries, dpm, error))
        return Fail(error);
    AddToDpm(dpm, "start.ax", objectBytes, false);
    const std::string name = (object.packName.empty() ? "hsptmp" : object.packName) + ".exe";
    if (!Bytes::WriteFile(name, MakeExecutable(runtime, dpm, ExecutableOptions())))
        return Fail("#Error: 実行ファイルを書き込めません [" + name + "]");
    session.messages += "#実行ファイル " + name + " を作成しました\r\n";
    return 0;
}

HSP_ENTRY(pack_ini) {
    session.packBase = Text(p2);
    session.messages.clear();
    if (!ReadPackList("packfile", session.packList))
        return Fail("#Error: packfile が見つかりません");
    return 0;
}

// Mode 1 makes <base>.dpm from the list; mode 0 prepares the one an executable carries, which
// holds start.ax as well.
HSP_ENTRY(pack_make) {
    std::string dpm;
    std::string error;
    if (!MakeDpm(session.packList, dpm, error))
        return Fail(error);
    if (p2 == 0) {
        std::string start;
        if (!Bytes::ReadFile("start.ax", start))
            return Fail("#Error: start.ax が見つかりません");
        AddToDpm(dpm, "start.ax", start, false);
    }
    if (!Bytes::WriteFile(session.packBase + ".dpm", dpm))
        return Fail("#Error: DPMファイルを書き込めません [" + session.packBase + ".dpm]");
    return 0;
}

HSP_ENTRY(pack_opt) {
    session.options.width = static_cast<int>(p1);
    session.options.height = static_cast<int>(p2);
    session.options.hide = static_cast<int>(p3);
    return 0;
}

HSP_ENTRY(pack_rt) {
    session.runtimeFolder = Text(p2);
    return 0;
}

// Mode 0 makes <base>.exe, mode 2 a screen saver <base>.scr, from the prepared DPM.
HSP_ENTRY(pack_exe) {
    std::string dpm;
    if (!Bytes::ReadFile(session.packBase + ".dpm", dpm))
        return Fail("#Error: パックされたデータがありません");
    std::string runtime;
    if (!Bytes::ReadFile(session.runtimeFolder + "\\hsp3.exe", runtime))
        return Fail("#Error: ランタイムファイルが見つかりません [" + session.runtimeFolder + "]");
    ExecutableOptions options = session.options;
    options.kind = static_cast<int>(p1);
    const std::string output = session.packBase + (p1 == 2 ? ".scr" : ".exe");
    if (!Bytes::WriteFile(output, MakeExecutable(runtime, dpm, options)))
        return Fail("#Error: 実行ファイルを書き込めません [" + output + "]");
    return 0;
}

HSP_ENTRY(pack_view) { return 0; }
HSP_ENTRY(pack_get) { return 0; }

// The script-template entry points are resolved by the editor but never called.
HSP_ENTRY(aht_ini) { return 0; }
HSP_ENTRY(aht_source) { return 0; }
HSP_ENTRY(aht_stdsize) { return 0; }
HSP_ENTRY(aht_getmodaxis) { return 0; }
HSP_ENTRY(aht_setmodaxis) { return 0; }
HSP_ENTRY(aht_delmod) { return 0; }
HSP_ENTRY(aht_findend) { return 0; }
HSP_ENTRY(aht_findparts) { return 0; }
HSP_ENTRY(aht_findstart) { return 0; }
HSP_ENTRY(aht_getexid) { return 0; }
HSP_ENTRY(aht_getmodcnt) { return 0; }
HSP_ENTRY(aht_getopt) { return 0; }
HSP_ENTRY(aht_getpage) { return 0; }
HSP_ENTRY(aht_getparts) { return 0; }
HSP_ENTRY(aht_getprjmax) { return 0; }
HSP_ENTRY(aht_getprjsrc) { return 0; }
HSP_ENTRY(aht_getprop) { return 0; }
HSP_ENTRY(aht_getpropcnt) { return 0; }
HSP_ENTRY(aht_getpropid) { return 0; }
HSP_ENTRY(aht_getpropmode) { return 0; }
HSP_ENTRY(aht_getproptype) { return 0; }
HSP_ENTRY(aht_linkmod) { return 0; }
HSP_ENTRY(aht_listparts) { return 0; }
HSP_ENTRY(aht_make) { return 0; }
HSP_ENTRY(aht_makeend) { return 0; }
HSP_ENTRY(aht_makeinit) { return 0; }
HSP_ENTRY(aht_makeput) { return 0; }
HSP_ENTRY(aht_parts) { return 0; }
HSP_ENTRY(aht_prjload2) { return 0; }
HSP_ENTRY(aht_prjload) { return 0; }
HSP_ENTRY(aht_prjloade) { return 0; }
HSP_ENTRY(aht_prjsave) { return 0; }
HSP_ENTRY(aht_propupdate) { return 0; }
HSP_ENTRY(aht_sendstr) { return 0; }
HSP_ENTRY(aht_setpage) { return 0; }
HSP_ENTRY(aht_setprop) { return 0; }
HSP_ENTRY(aht_stdbuf) { return 0; }
HSP_ENTRY(aht_unlinkmod) { return 0; }
