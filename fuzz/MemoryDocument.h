// A document held in memory for running the edit component's lexers outside the component:
// Shift-JIS text (code page 932), a style byte per byte, line starts and line states.
#pragma once

#include <string>
#include <vector>

#include "ILexer.h"

class MemoryDocument : public Scintilla::IDocument {
public:
    explicit MemoryDocument(std::string text);

    const std::string &Styles() const { return styles_; }
    Sci_Position LineCount() const { return static_cast<Sci_Position>(lineStarts_.size()) - 1; }
    // Forgets the styles from position on, as an edit there would.
    void Unstyle(Sci_Position position);

    int SCI_METHOD Version() const override { return Scintilla::dvRelease4; }
    void SCI_METHOD SetErrorStatus(int) override {}
    Sci_Position SCI_METHOD Length() const override { return static_cast<Sci_Position>(text_.size()); }
    void SCI_METHOD GetCharRange(char *buffer, Sci_Position position, Sci_Position length) const override;
    char SCI_METHOD StyleAt(Sci_Position position) const override;
    Sci_Position SCI_METHOD LineFromPosition(Sci_Position position) const override;
    Sci_Position SCI_METHOD LineStart(Sci_Position line) const override;
    int SCI_METHOD GetLevel(Sci_Position line) const override;
    int SCI_METHOD SetLevel(Sci_Position line, int level) override;
    int SCI_METHOD GetLineState(Sci_Position line) const override;
    int SCI_METHOD SetLineState(Sci_Position line, int state) override;
    void SCI_METHOD StartStyling(Sci_Position position) override;
    bool SCI_METHOD SetStyleFor(Sci_Position length, char style) override;
    bool SCI_METHOD SetStyles(Sci_Position length, const char *styles) override;
    void SCI_METHOD DecorationSetCurrentIndicator(int) override {}
    void SCI_METHOD DecorationFillRange(Sci_Position, int, Sci_Position) override {}
    void SCI_METHOD ChangeLexerState(Sci_Position, Sci_Position) override {}
    int SCI_METHOD CodePage() const override { return 932; }
    bool SCI_METHOD IsDBCSLeadByte(char c) const override;
    const char *SCI_METHOD BufferPointer() override { return text_.c_str(); }
    int SCI_METHOD GetLineIndentation(Sci_Position line) override;
    Sci_Position SCI_METHOD LineEnd(Sci_Position line) const override;
    Sci_Position SCI_METHOD GetRelativePosition(Sci_Position start, Sci_Position offset) const override;
    int SCI_METHOD GetCharacterAndWidth(Sci_Position position, Sci_Position *width) const override;

private:
    std::string text_;
    std::string styles_;
    std::vector<Sci_Position> lineStarts_;
    std::vector<int> lineStates_;
    std::vector<int> levels_;
    Sci_Position styling_ = 0;
};
