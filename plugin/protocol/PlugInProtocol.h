// The contract between the host program and a plug-in library: the one
// exported entry, its messages and result codes, and the records that cross
// it. Each side frees what it allocated: PlugInInfo and PlugInVersionInfo
// belong to the host; PlugInContext and everything behind it to the library.
//
// The offsets given below are those of the 32-bit build, the shipping one,
// and are checked there at compile time. In a 64-bit build every pointer and
// handle field widens to 8 bytes (and is aligned to 8), so PlugInInfo and
// PlugInContext grow; a 64-bit host can only load a 64-bit library.
#pragma once

#include "framework/core/Win32Types.h"

// Messages: the entry's first argument.
enum : UINT {
  PIM_INIT = 0x1000,     // record: the host's zeroed PlugInInfo, filled by the library
  PIM_CREATE = 0x1001,   // wParam: the host window; record: PlugInInfo::context
  PIM_RELEASE = 0x1002,  // record: PlugInInfo::context, freed by the library
  PIM_VERSION = 0x1003,  // record: the host's PlugInVersionInfo
};

// Result codes: the entry's return value.
enum : DWORD {
  PIR_SUCCESS = 0,
  PIR_NO_RECORD = 508,  // null record for PIM_INIT or PIM_CREATE
  PIR_NO_MEMORY = 509,  // the context or the wizard could not be allocated
  PIR_FAILED = 755,     // no host window, no wizard window, no context, or an unknown message
};

class CDiagSheet;

// Allocated by PIM_INIT as zeroed global memory; freed by PIM_RELEASE.
struct PlugInContext {
  CDiagSheet* sheet;  // 0: the wizard, set by PIM_CREATE
  HWND hostWindow;    // 4: the window the wizard lives in
};

struct PlugInInfo {
  DWORD reserved0;                // 0
  HINSTANCE plugInModule;         // 4: the library's module handle
  UINT iconIds[4];                // 8: icon groups 102, 101, 102, 101 (colour, grey)
  DWORD reserved1[4];             // 24
  const char* plugInName;         // 40: "Diagnose"
  const char* plugInDescription;  // 44: "Ombrel Diagnostic Utility"
  PlugInContext* context;         // 48
};

struct PlugInVersionInfo {
  DWORD reserved;       // 0: not written by the plug-in
  char comments[76];    // 4: at most 75 characters, NUL-filled; byte 75 untouched
  DWORD fileVersionMS;  // 80: major << 16 | minor
  DWORD fileVersionLS;  // 84: third << 16 | fourth
};

// The entry: exported by name (ordinal 10); the callee pops its arguments.
typedef DWORD(WINAPI* OmbrelPlugInProc)(UINT message, WPARAM wParam, LPARAM lParam, void* record);
#define OMBREL_PLUGIN_ENTRY_NAME "OmbrelPlugIn"

// Window messages the library registers at start-up, in this order, for hosts
// that want to answer them.
#define OPIMSGSTR_SETSTATUSTEXT "OPIMSGSTR_SETSTATUSTEXT"
#define OPIMSGSTR_POSTACTIVATE "OPIMSGSTR_POSTACTIVATE"
#define OPIMSGSTR_DELAYPASTE "OPIMSGSTR_DELAYPASTE"
#define OPIMSGSTR_GETMAINAPPINIPATH "OPIMSGSTR_GETMAINAPPINIPATH"

#include <cstddef>
static_assert(sizeof(PlugInVersionInfo) == 88, "PlugInVersionInfo is 88 bytes in every build");
static_assert(offsetof(PlugInVersionInfo, comments) == 4 && offsetof(PlugInVersionInfo, fileVersionMS) == 80 &&
                  offsetof(PlugInVersionInfo, fileVersionLS) == 84,
              "PlugInVersionInfo layout");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(PlugInContext) == 8, "PlugInContext is 8 bytes");
static_assert(offsetof(PlugInContext, sheet) == 0 && offsetof(PlugInContext, hostWindow) == 4, "PlugInContext layout");
static_assert(sizeof(PlugInInfo) == 52, "PlugInInfo is 52 bytes");
static_assert(offsetof(PlugInInfo, reserved0) == 0 && offsetof(PlugInInfo, plugInModule) == 4 &&
                  offsetof(PlugInInfo, iconIds) == 8 && offsetof(PlugInInfo, iconIds[3]) == 20 &&
                  offsetof(PlugInInfo, reserved1) == 24 && offsetof(PlugInInfo, plugInName) == 40 &&
                  offsetof(PlugInInfo, plugInDescription) == 44 && offsetof(PlugInInfo, context) == 48,
              "PlugInInfo layout");
#endif
