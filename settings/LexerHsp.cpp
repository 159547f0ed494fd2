#include "settings/LexerHsp.h"

#include "settings/LexerFields.h"
#include "settings/SystemColor.h"

namespace {

using namespace Colors;

const ColorKey hspKeys[] = {
    {"user", LightGreen}, {"comment_block", Olive}, {"comment_line", Olive}, {"number", Bisque},
    {"string", CadetBlue}, {"character", PaleGoldenRod}, {"label", Aqua}, {"function", Red},
    {"command", MediumVioletRed}, {"macro", Peru}, {"preprocessor", Orange}, {"system_variable", SkyBlue},
    {"prereserved", PaleGoldenRod}, {"win32api", Yellow}, {"hpi", Yellow}, {"operator", White},
};

// The toolchain's keys under event, in their order.
template <class Fields> void ToolchainFields(LexerHsp &hsp, Fields &&fields) {
    fields.Boolean("type[open]property[home_prompt]", hsp.homePrompt, true);
    fields.String("type[open]property[home_directory]", hsp.homeDirectory);
    fields.String("type[debug]property[commandline]", hsp.debugCommandline);
    fields.Boolean("type[debug]property[enable_debug_window]", hsp.enableDebugWindow, false);
    fields.String("type[build]property[build_filename]", hsp.buildFilename);
    fields.Integer("type[build]property[initial_window_size_x]", hsp.buildWindowSizeX, 640);
    fields.Integer("type[build]property[initial_window_size_y]", hsp.buildWindowSizeY, 480);
    fields.Boolean("type[build]property[initial_window_hide]", hsp.buildWindowHide, false);
}

}

LexerHsp::LexerHsp() : LexerLanguage("\\lexer\\hsp.xml", hspKeys, static_cast<int>(sizeof hspKeys / sizeof hspKeys[0])) {
    // Reading from no document gives every field its default.
    ToolchainFields(*this, FieldReader(nullptr));
}

void LexerHsp::Read() {
    LexerLanguage::Read();
    ToolchainFields(*this, FieldReader(eventElement));
}

void LexerHsp::Write() {
    LexerLanguage::Write();
    ToolchainFields(*this, FieldWriter(eventElement));
}
