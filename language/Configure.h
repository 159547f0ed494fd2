// Configures an edit view for a language: lexer, default style, the language's keyword sets,
// word characters and colours, then the editor settings. Stateless: every call sends the whole
// configuration.
#pragma once

class Vessary;
class Setting;
class SystemColor;
class KeywordTables;

// lexer is the document's file-type code; inProject picks the project's user keywords over
// the global ones. A code without a language block leaves every style in the default colours.
void Configure(Vessary &view, int lexer, bool inProject, Setting &settings, const SystemColor &colors,
               const KeywordTables &keywords);

// The hidden view that scans HSP sources: the HSP lexer with the directives and the reserved
// words of directives, nothing else.
void ConfigureForAnalysis(Vessary &view);
