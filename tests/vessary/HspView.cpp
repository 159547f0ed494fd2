#include "vessary/HspView.h"

#include <algorithm>

#include "Scintilla.h"
#include "support/TestData.h"
#include "vessary/VessaryMessages.h"

namespace {

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

}

HspView::Keywords HspView::ReadKeywords(const char *resource) {
    Keywords sets;
    for (const std::string &line : TestData::Lines(resource)) {
        const size_t blank = line.find(' ');
        sets[std::stoi(line.substr(0, blank))] = blank == std::string::npos ? "" : line.substr(blank + 1) + " ";
    }
    return sets;
}

HspView::HspView() {
    control_.Send(SCI_SETLEXER, VSLEX_HSP);
    SetKeywords(ReadKeywords("HSP_SETS"));
}

void HspView::SetKeywords(const Keywords &sets) {
    for (const auto &set : sets) {
        keywords_[set.first] = set.second;
        control_.Send(SCI_SETKEYWORDS, static_cast<uintptr_t>(set.first), set.second.c_str());
    }
}

std::string HspView::Style(const std::string &script) const {
    control_.SetText(script);
    control_.Colourise();
    return Styles();
}

std::string HspView::Styles() const {
    const intptr_t length = control_.Send(SCI_GETLENGTH);
    std::string cells(static_cast<size_t>(length) * 2 + 2, '\0');
    Sci_TextRange range{{0, static_cast<Sci_PositionCR>(length)}, &cells[0]};
    control_.Send(SCI_GETSTYLEDTEXT, 0, reinterpret_cast<intptr_t>(&range));
    std::string styles(static_cast<size_t>(length), '\0');
    for (size_t i = 0; i < styles.size(); ++i)
        styles[i] = cells[i * 2 + 1];
    return styles;
}

intptr_t HspView::StyledLine() const {
    return control_.Send(SCI_LINEFROMPOSITION, static_cast<uintptr_t>(control_.Send(SCI_GETENDSTYLED)));
}

void HspView::RestyleFrom(intptr_t line, intptr_t end) const {
    const intptr_t start = control_.Send(SCI_POSITIONFROMLINE, static_cast<uintptr_t>(line));
    control_.Send(SCI_COLOURISE, static_cast<uintptr_t>(start), end < 0 ? -1 : std::max(start, end));
}

testing::AssertionResult Notation(const std::string &text, const std::string &styles, std::string &styled) {
    styled.clear();
    for (size_t i = 0, next = 0; i < text.size(); ++i) {
        if (i == 0 || styles[i] != styles[i - 1]) {
            if (i < next)
                return testing::AssertionFailure() << "the style changes inside a character at byte " << i;
            styled += "{" + std::to_string(static_cast<unsigned char>(styles[i])) + "}";
        }
        if (i >= next)
            next = i + (IsLead(text[i]) && i + 1 < text.size() && IsTrail(text[i + 1]) ? 2 : 1);
        styled += text[i];
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult MatchesFreshStyling(const HspView &view) {
    const std::string text = view.Control().Text(), styles = view.Styles();
    HspView fresh;
    std::string now, expected;
    if (!Notation(text, styles, now) || !Notation(text, fresh.Style(text), expected))
        return testing::AssertionFailure() << "a style changes inside a character";
    if (now == expected)
        return testing::AssertionSuccess();
    const auto differ = std::mismatch(now.begin(), now.end(), expected.begin(), expected.end());
    const size_t at = static_cast<size_t>(differ.first - now.begin());
    const size_t from = now.rfind('\n', at) == std::string::npos ? 0 : now.rfind('\n', at) + 1;
    return testing::AssertionFailure() << "restyled: " << now.substr(from, 80) << "\nfrom the top: "
                                       << expected.substr(from, 80);
}

testing::AssertionResult RestylingFromEveryLineChangesNothing(const HspView &view) {
    const std::string styles = view.Styles();
    for (intptr_t line = 0; line < view.Control().Send(SCI_GETLINECOUNT); ++line) {
        view.RestyleFrom(line);
        if (view.Styles() != styles)
            return testing::AssertionFailure() << "restyled from the start of line " << line;
    }
    return testing::AssertionSuccess();
}
