// The wire between the editor and its client programs: the window message numbers, the two
// shared-memory blocks of a connection and where the request parameters sit in them. The editor
// and the SDK both build on this one header, so the two sides cannot drift apart.
#pragma once

#include <cstddef>

namespace TamborelProtocol {

// The SDK version the editor speaks; a client reporting another one cannot be run from the
// client dialog.
constexpr int SdkVersion = 1;

// Each block is this many bytes, zero-filled by the editor when it makes it.
constexpr size_t BlockSize = 2097154;
// Block names: client id, then the editor's main window handle, both as decimal.
constexpr const char *ServerToClientName = "TamborelClientSdk.%d.ServerToClient@%d";
constexpr const char *ClientToServerName = "TamborelClientSdk.%d.ClientToServer@%d";
constexpr size_t NameSize = 1024;
// The command line the editor starts a client with: client id, then the editor's window.
constexpr const char *StartCommandLine = "%d.%d;";

// Where the zero-terminated parameters of a request begin in the client-to-server block. A
// parameter may run on to the end of the block when the ones after it are not used.
constexpr size_t ParameterOffsets[3] = {0, 0x80000, 0xC0000};

// Document references: the edit window's handle or the index in the document list.
constexpr const char *HandleReference = "<H>%d";
constexpr const char *IndexReference = "<I>%d";

// Sent or posted by the editor to the client's window.
namespace ToClient {
// Each question: the client writes its answer into the client-to-server block before returning.
constexpr unsigned AskSdkVersion = 0xA700;
constexpr unsigned AskName = 0xA701;
constexpr unsigned AskVersion = 0xA702;
constexpr unsigned AskDescription = 0xA703;
constexpr unsigned AskAuthor = 0xA704;
constexpr unsigned AskUrl = 0xA705;
constexpr unsigned AskMail = 0xA706;
constexpr unsigned AskCopyright = 0xA707;
// "name?explanation/name/..."
constexpr unsigned AskFunctions = 0xA708;
// Posted, wParam = function index.
constexpr unsigned RunFunction = 0xA710;
// Posted, wParam = Connected or Closing.
constexpr unsigned StateNotice = 0xA71F;
constexpr unsigned Connected = 0;
constexpr unsigned Closing = 1;
}

// Sent by a client to the editor's main window; wParam is the client id unless said otherwise.
namespace ToEditor {
// lParam = the client's window; the new id lands at offset 0 of the new server-to-client block.
constexpr unsigned Attach = 0xA700;
// wParam 0, lParam = the client's window: the connection with id 0.
constexpr unsigned DebugAttach = 0xA701;
// lParam = the client's new window.
constexpr unsigned ReplaceWindow = 0xA702;
// The editor lets go of the client's process and thread handles.
constexpr unsigned ReleaseHandles = 0xA703;
constexpr unsigned Disconnect = 0xA704;

// Global requests.
constexpr unsigned ProgramDirectory = 0xA705;
constexpr unsigned ShowMessage = 0xA706;
constexpr unsigned Wait = 0xA707;
constexpr unsigned ShowReport = 0xA708;
constexpr unsigned HomeValid = 0xA709;
constexpr unsigned HomeDirectory = 0xA70A;
constexpr unsigned ProjectOpen = 0xA70B;
constexpr unsigned ProjectContains = 0xA70C;
constexpr unsigned CloseProject = 0xA70D;
constexpr unsigned EntryPoint = 0xA70E;
constexpr unsigned SaveAllFlag = 0xA70F;
constexpr unsigned DefaultDirectory = 0xA710;
constexpr unsigned DebugCommandLine = 0xA711;
constexpr unsigned DebugWindow = 0xA712;
constexpr unsigned ActiveIndex = 0xA713;
constexpr unsigned ActiveHandle = 0xA714;
constexpr unsigned DocumentCount = 0xA715;
constexpr unsigned FindPath = 0xA718;
constexpr unsigned FindIndex = 0xA719;
constexpr unsigned NewDocument = 0xA71A;
constexpr unsigned LogLevel = 0xA73E;
constexpr unsigned SetLogLevel = 0xA73F;

// Document requests: parameter 0 is the document reference.
constexpr unsigned HandleOf = 0xA716;
constexpr unsigned IndexOf = 0xA717;
constexpr unsigned Activate = 0xA71B;
constexpr unsigned HasFile = 0xA71C;
constexpr unsigned DocumentPath = 0xA71D;
constexpr unsigned CaretLine = 0xA71E;
constexpr unsigned LineCount = 0xA71F;
constexpr unsigned LineLength = 0xA720;
constexpr unsigned CaretPosition = 0xA721;
constexpr unsigned LineStart = 0xA722;
constexpr unsigned LineEnd = 0xA723;
constexpr unsigned Length = 0xA724;
constexpr unsigned HasSelection = 0xA725;
constexpr unsigned CanPaste = 0xA726;
constexpr unsigned CanUndo = 0xA727;
constexpr unsigned CanRedo = 0xA728;
constexpr unsigned IsModified = 0xA729;
constexpr unsigned SetModified = 0xA72A;
constexpr unsigned IsReadOnly = 0xA72B;
constexpr unsigned SetReadOnly = 0xA72C;
constexpr unsigned BeginUndoAction = 0xA72D;
constexpr unsigned EndUndoAction = 0xA72E;
constexpr unsigned EmptyUndoBuffer = 0xA72F;
constexpr unsigned Cut = 0xA730;
constexpr unsigned Copy = 0xA731;
constexpr unsigned Paste = 0xA732;
constexpr unsigned Undo = 0xA733;
constexpr unsigned Redo = 0xA734;
constexpr unsigned SelectAll = 0xA735;
constexpr unsigned ClearAll = 0xA736;
constexpr unsigned GetText = 0xA737;
constexpr unsigned SetText = 0xA738;
constexpr unsigned InsertCharacter = 0xA739;
constexpr unsigned InsertText = 0xA73A;
constexpr unsigned AppendText = 0xA73B;
constexpr unsigned WriteToFile = 0xA73C;
constexpr unsigned ReadFromFile = 0xA73D;
constexpr unsigned SetLanguage = 0xA740;
constexpr unsigned StyleAt = 0xA741;

constexpr unsigned FirstRequest = 0xA705;
constexpr unsigned LastRequest = 0xA741;
}

}
