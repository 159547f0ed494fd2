// The message layer in front of Scintilla. Our window class "Scintilla" superclasses Scintilla's
// own: it keeps Scintilla's procedure and extra bytes and adds one pointer to the layer's state
// behind them. The direct function and pointer that the layer hands out lead to the layer first,
// so messages sent either way (SendMessage or the direct function) get the same answers.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <new>
#include <string>

#include "ILexer.h"
#include "Scintilla.h"

#include "OwnLexers.h"
#include "VessaryMessages.h"

namespace {

// Margins whose asked width the layer keeps; Scintilla has five unless told otherwise.
constexpr int trackedMargins = SC_MAX_MARGIN + 1;

struct LayerState {
    HWND hwnd = nullptr;
    SciFnDirect sciFunction = nullptr;
    sptr_t sciPointer = 0;
    int lexerNumber = 0;
    bool spaceVisible = false;
    COLORREF whitespaceFore = RGB(0x80, 0x80, 0x80);
    bool whitespaceForeSet = false;
    // The widths the program gave the margins (-1: never given). A line-number margin shown
    // with a width widens when the line count needs more digits than that width holds.
    int askedWidth[trackedMargins] = {-1, -1, -1, -1, -1};
    // The digits and zoom the margins were last fitted to; 0 digits when they must be fitted
    // again. Zooming with the mouse wheel happens inside Scintilla, so the zoom is checked too.
    int fittedDigits = 0;
    sptr_t fittedZoom = 0;
};

WNDPROC scintillaProc;
int scintillaExtra;
ATOM layerAtom;
HINSTANCE layerModule;

const char fullWidthSpace[] = "\x81\x40";
// "□" in code page 932: the full-width space's visible stand-in.
const char fullWidthSpaceMark[] = "\x81\xA0";

LayerState *StateOf(HWND hwnd) {
    return reinterpret_cast<LayerState *>(GetWindowLongPtrW(hwnd, scintillaExtra));
}

sptr_t Forward(LayerState *state, unsigned int message, uptr_t wParam, sptr_t lParam) {
    return state->sciFunction(state->sciPointer, message, wParam, lParam);
}

void ShowFullWidthSpaces(LayerState *state) {
    const sptr_t key = reinterpret_cast<sptr_t>(fullWidthSpace);
    if (!state->spaceVisible) {
        Forward(state, SCI_CLEARREPRESENTATION, key, 0);
        return;
    }
    Forward(state, SCI_SETREPRESENTATION, key, reinterpret_cast<sptr_t>(fullWidthSpaceMark));
    if (state->whitespaceForeSet) {
        Forward(state, SCI_SETREPRESENTATIONAPPEARANCE, key, SC_REPRESENTATION_PLAIN | SC_REPRESENTATION_COLOUR);
        Forward(state, SCI_SETREPRESENTATIONCOLOUR, key, state->whitespaceFore | 0xFF000000);
    } else {
        Forward(state, SCI_SETREPRESENTATIONAPPEARANCE, key, SC_REPRESENTATION_PLAIN);
    }
}

int Digits(sptr_t number) {
    int digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

// Widens each line-number margin the program gave a width to what the line count's digits take,
// and narrows it back to the width given when fewer digits fit. Cheap when nothing changed: run
// before every paint.
void FitNumberMargins(LayerState *state) {
    const int digits = Digits(Forward(state, SCI_GETLINECOUNT, 0, 0));
    const sptr_t zoom = Forward(state, SCI_GETZOOM, 0, 0);
    if (digits == state->fittedDigits && zoom == state->fittedZoom)
        return;
    state->fittedDigits = digits;
    state->fittedZoom = zoom;
    const std::string nines(static_cast<size_t>(digits), '9');
    // Scintilla keeps 3 pixels right of the numbers; as many are kept on their left.
    const sptr_t needed = Forward(state, SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>(nines.c_str())) + 6;
    for (int margin = 0; margin < trackedMargins; ++margin) {
        const int asked = state->askedWidth[margin];
        if (asked <= 0 || Forward(state, SCI_GETMARGINTYPEN, static_cast<uptr_t>(margin), 0) != SC_MARGIN_NUMBER)
            continue;
        const sptr_t width = std::max<sptr_t>(asked, needed);
        if (width != Forward(state, SCI_GETMARGINWIDTHN, static_cast<uptr_t>(margin), 0))
            Forward(state, SCI_SETMARGINWIDTHN, static_cast<uptr_t>(margin), width);
    }
}

// Scintilla takes font names as UTF-8; callers give them in the text's code page.
sptr_t SetStyleFont(LayerState *state, uptr_t style, const char *face) {
    const int codePage = static_cast<int>(Forward(state, SCI_GETCODEPAGE, 0, 0));
    if (!face || codePage == SC_CP_UTF8)
        return Forward(state, SCI_STYLESETFONT, style, reinterpret_cast<sptr_t>(face));
    const UINT from = codePage ? static_cast<UINT>(codePage) : CP_ACP;
    wchar_t wide[LF_FACESIZE * 2] = L"";
    char utf8[LF_FACESIZE * 6] = "";
    if (!MultiByteToWideChar(from, 0, face, -1, wide, LF_FACESIZE * 2) ||
        !WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr))
        return Forward(state, SCI_STYLESETFONT, style, reinterpret_cast<sptr_t>(face));
    return Forward(state, SCI_STYLESETFONT, style, reinterpret_cast<sptr_t>(utf8));
}

sptr_t LayerMessage(LayerState *state, unsigned int message, uptr_t wParam, sptr_t lParam);

sptr_t LayerDirectFunction(sptr_t pointer, unsigned int message, uptr_t wParam, sptr_t lParam) {
    return LayerMessage(reinterpret_cast<LayerState *>(pointer), message, wParam, lParam);
}

// Scintilla's own status function would take the layer's pointer for its editor object.
sptr_t LayerDirectStatusFunction(sptr_t pointer, unsigned int message, uptr_t wParam, sptr_t lParam, int *status) {
    auto *state = reinterpret_cast<LayerState *>(pointer);
    const sptr_t result = LayerMessage(state, message, wParam, lParam);
    if (status)
        *status = static_cast<int>(Forward(state, SCI_GETSTATUS, 0, 0));
    return result;
}

sptr_t LayerMessage(LayerState *state, unsigned int message, uptr_t wParam, sptr_t lParam) {
    switch (message) {
    case SCI_GETDIRECTFUNCTION:
        return reinterpret_cast<sptr_t>(&LayerDirectFunction);
    case SCI_GETDIRECTSTATUSFUNCTION:
        return reinterpret_cast<sptr_t>(&LayerDirectStatusFunction);
    case SCI_GETDIRECTPOINTER:
        return reinterpret_cast<sptr_t>(state);
    case SCI_SETLEXER: {
        const int number = static_cast<int>(wParam);
        state->lexerNumber = number;
        Forward(state, SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(Vessary::CreateLexerByNumber(number)));
        return 0;
    }
    case SCI_GETLEXER:
        return state->lexerNumber;
    case VSM_SETSPACEVISIBLE:
        // In Scintilla this number sets hot spots to one line; it never gets there.
        state->spaceVisible = wParam != 0;
        ShowFullWidthSpaces(state);
        return 0;
    case SCI_STYLESETFONT:
        state->fittedDigits = 0;
        return SetStyleFont(state, wParam, reinterpret_cast<const char *>(lParam));
    case SCI_SETMARGINWIDTHN:
        if (wParam < static_cast<uptr_t>(trackedMargins))
            state->askedWidth[wParam] = static_cast<int>(lParam);
        state->fittedDigits = 0;
        return Forward(state, message, wParam, lParam);
    case SCI_SETMARGINTYPEN:
    case SCI_STYLESETSIZE:
    case SCI_STYLESETSIZEFRACTIONAL:
    case SCI_STYLESETBOLD:
    case SCI_STYLESETWEIGHT:
    case SCI_STYLECLEARALL:
        state->fittedDigits = 0;
        return Forward(state, message, wParam, lParam);
    case SCI_SETCODEPAGE:
    case SCI_SETDOCPOINTER: {
        // Both reset Scintilla's representations, the full-width space's among them.
        const sptr_t result = Forward(state, message, wParam, lParam);
        if (state->spaceVisible)
            ShowFullWidthSpaces(state);
        return result;
    }
    case SCI_SETWHITESPACEFORE: {
        const sptr_t result = Forward(state, message, wParam, lParam);
        state->whitespaceForeSet = wParam != 0;
        state->whitespaceFore = static_cast<COLORREF>(lParam) & 0xFFFFFF;
        if (state->spaceVisible)
            ShowFullWidthSpaces(state);
        return result;
    }
    default:
        return Forward(state, message, wParam, lParam);
    }
}

LRESULT CALLBACK LayerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LayerState *state = StateOf(hwnd);
    if (message == WM_CREATE) {
        const LRESULT created = CallWindowProcW(scintillaProc, hwnd, message, wParam, lParam);
        if (created < 0)
            return created;
        state = new (std::nothrow) LayerState;
        if (!state)
            return -1;
        state->hwnd = hwnd;
        state->sciFunction = reinterpret_cast<SciFnDirect>(
            CallWindowProcW(scintillaProc, hwnd, SCI_GETDIRECTFUNCTION, 0, 0));
        state->sciPointer = CallWindowProcW(scintillaProc, hwnd, SCI_GETDIRECTPOINTER, 0, 0);
        SetWindowLongPtrW(hwnd, scintillaExtra, reinterpret_cast<LONG_PTR>(state));
        return created;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, scintillaExtra, 0);
        delete state;
        return CallWindowProcW(scintillaProc, hwnd, message, wParam, lParam);
    }
    if (state && message >= 2000 && message < 5000)
        return LayerMessage(state, message, wParam, lParam);
    if (state && message == WM_PAINT)
        FitNumberMargins(state);
    if (message == WM_DROPFILES) {
        // Scintilla has no use for files: they go up to the window that holds the view, whose
        // owner opens them; with none, the drop is released here.
        if (HWND parent = GetParent(hwnd))
            return SendMessageW(parent, WM_DROPFILES, wParam, lParam);
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return CallWindowProcW(scintillaProc, hwnd, message, wParam, lParam);
}

bool Superclass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instance, L"Scintilla", &wc))
        return false;
    scintillaProc = wc.lpfnWndProc;
    scintillaExtra = wc.cbWndExtra;
    if (!UnregisterClassW(L"Scintilla", instance))
        return false;
    wc.lpfnWndProc = LayerWindowProc;
    wc.cbWndExtra = scintillaExtra + static_cast<int>(sizeof(LayerState *));
    wc.hInstance = instance;
    layerAtom = RegisterClassExW(&wc);
    return layerAtom != 0;
}

}

namespace Scintilla::Internal {
int RegisterClasses(void *hInstance) noexcept;
int ResourcesRelease(bool fromDllMain) noexcept;
}

extern "C" __declspec(dllexport) sptr_t Vessary_DirectFunction(sptr_t pointer, unsigned int message,
                                                              uptr_t wParam, sptr_t lParam) {
    return LayerDirectFunction(pointer, message, wParam, lParam);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        layerModule = instance;
        if (!Scintilla::Internal::RegisterClasses(instance))
            return FALSE;
        return Superclass(instance) ? TRUE : FALSE;
    }
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        if (layerAtom)
            UnregisterClassW(MAKEINTATOM(layerAtom), layerModule);
        Scintilla::Internal::ResourcesRelease(true);
    }
    return TRUE;
}
