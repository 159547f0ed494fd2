// Read before Scintilla's window code (a forced include of that one file): its registration as
// an OLE drop target comes to FileDrop.cxx, which adds dropped files to the text it accepts.
// The settings below are the ones that file makes before its own includes.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#undef WINVER
#define WINVER 0x0A00
#define WIN32_LEAN_AND_MEAN 1
#include <windows.h>
#include <ole2.h>

extern "C" HRESULT WINAPI VessaryRegisterDragDrop(HWND hwnd, IDropTarget *target);
#define RegisterDragDrop VessaryRegisterDragDrop
