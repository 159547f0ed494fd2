#include "hsplexer/HspView.h"

#include <algorithm>
#include <sstream>

#include "Scintilla.h"

namespace HspTest {

namespace {

const char *const testKeywords[9] = {
    "int str double strlen peek rnd instr ginfo dup ",
    "mes goto gosub return button onexit dialog end stop repeat loop if else dim sdim title "
    "screen wait onkey dup exist ",
    "and or not m_pi _break gmode_rgb0 dup exist ",
    "#addition #aht #ahtmes #ahtout #cfunc #cmd #cmpopt #comfunc #const #defcfunc #defdouble "
    "#deffunc #define #defint #defnone #else #endif #enum #epack #func #global #if #ifdef "
    "#ifndef #include #modcfunc #modfunc #modinit #modterm #module #pack #packopt #pragma "
    "#regcmd #runtime #undef #usecom #uselib ",
    "cnt stat refstr exist hwnd ",
    "global ctype author class exp icon iconid name ver var array str label local wstr sptr "
    "wptr float pval comobj int double onexit ",
    "messageboxa sendmessagea getsystemmetrics hwnd ",
    "hgini hgdraw es_ini ",
    "myfunc 関数 messageboxa hgini ",
};

std::string Printable(const std::string &bytes) {
    std::string shown;
    for (const char c : bytes) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

}

HspView::HspView() {
    control_.Send(SCI_SETLEXER, VSLEX_HSP);
    for (int set = 0; set < 9; ++set)
        SetKeywords(set, testKeywords[set]);
}

void HspView::SetKeywords(int set, const char *words) {
    keywords_[set] = words;
    control_.Send(SCI_SETKEYWORDS, static_cast<uintptr_t>(set), words);
}

void HspView::UseAnalysisKeywords() {
    for (int set = 0; set < 9; ++set) {
        if (set != 3 && set != 5)
            SetKeywords(set, "");
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

testing::AssertionResult RestylingFromEveryLineChangesNothing(const HspView &view) {
    const std::string styles = view.Styles();
    for (intptr_t line = 0; line < view.Control().Send(SCI_GETLINECOUNT); ++line) {
        view.RestyleFrom(line);
        if (view.Styles() != styles)
            return testing::AssertionFailure() << "restyled from the start of line " << line;
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult StylesAre(const HspView &view, std::initializer_list<Span> spans) {
    std::string script;
    for (const Span &span : spans)
        script += span.text;
    const std::string styles = view.Style(script);
    std::ostringstream failures;
    size_t position = 0;
    int wrong = 0;
    for (const Span &span : spans) {
        for (size_t i = 0; i < span.text.size(); ++i, ++position) {
            const int actual = static_cast<unsigned char>(styles[position]);
            if (actual != span.style && wrong++ < 8) {
                failures << "\n  position " << position << " (byte " << i << " of \""
                         << Printable(span.text) << "\"): style " << actual << ", expected " << span.style;
            }
        }
    }
    if (wrong == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " wrong styles in \"" << Printable(script) << "\""
                                       << failures.str();
}

testing::AssertionResult MatchesFreshStyling(const HspView &view) {
    const std::string text = view.Control().Text();
    const std::string styles = view.Styles();
    HspView fresh;
    for (int set = 0; set < 9; ++set)
        fresh.SetKeywords(set, view.Keywords(set).c_str());
    const std::string expected = fresh.Style(text);
    if (styles == expected)
        return testing::AssertionSuccess();
    size_t first = 0;
    while (styles[first] == expected[first])
        ++first;
    const size_t lineStart = text.rfind('\n', first) == std::string::npos ? 0 : text.rfind('\n', first) + 1;
    const size_t lineEnd = std::min(text.find('\n', first), text.size());
    return testing::AssertionFailure()
           << "first difference at " << first << ": style " << static_cast<int>(styles[first]) << ", from the top "
           << static_cast<int>(expected[first]) << ", in line \""
           << Printable(text.substr(lineStart, lineEnd - lineStart)) << "\"";
}

}
