// A test double of the diagnostics library: answers the protocol, and writes
// every call it receives, one line each, to the file named by the
// environment variable OMB_PLUGIN_RECORD, so that a test can read what
// happened after the library is gone. OMB_PLUGIN_FAIL makes one step fail:
// "start" (the library's start-up), "init" (PIM_INIT) or "create"
// (PIM_CREATE). Given OMB_PLUGIN_HOST_FACTS, PIM_CREATE also writes there
// what it sees of the host's window from inside the host's process: the end
// of its system menu and its icons. Built a second time without its entry.
#include <cstdio>
#include <string>

#include "framework/ui/CWinApp.h"
#include "plugin/protocol/PlugInProtocol.h"

namespace {

// From the process's environment, not the C library's copy of it made at
// start: a test sets the variables just before it loads the library.
std::string Environment(const char* name) {
  char value[MAX_PATH] = "";
  DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
  return length < sizeof value ? std::string(value, length) : std::string();
}

void Append(const char* variable, const char* line) {
  std::string path = Environment(variable);
  if (path.empty()) return;
  if (FILE* file = std::fopen(path.c_str(), "ab")) {
    std::fprintf(file, "%s\n", line);
    std::fclose(file);
  }
}

void Record(const char* line) {
  Append("OMB_PLUGIN_RECORD", line);
}

bool Failing(const char* step) {
  return Environment("OMB_PLUGIN_FAIL") == step;
}

class CRecordingApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    Record("InitInstance");
    return !Failing("start");
  }
  int ExitInstance() override {
    Record("ExitInstance");
    return 0;
  }
};

CRecordingApp theApp;

#ifndef OMB_WITHOUT_ENTRY
// The window PIM_CREATE was given, and what the double shows inside it.
HWND hostWindow = nullptr;
HWND content = nullptr;

void RecordWithWindow(const char* message, HWND window) {
  char line[128];
  std::snprintf(line, sizeof line, "%s %s", message, ::IsWindow(window) ? "window" : "no-window");
  Record(line);
}

void RecordHostFacts(HWND host) {
  char line[256];
  HMENU menu = ::GetSystemMenu(host, FALSE);
  int count = menu ? ::GetMenuItemCount(menu) : 0;
  if (count >= 2) {
    char text[64] = "";
    ::GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    bool separator = (::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR) != 0;
    std::snprintf(line, sizeof line, "system menu ends: %s, \"%s\" %u", separator ? "separator" : "item", text,
                  ::GetMenuItemID(menu, count - 1));
    Append("OMB_PLUGIN_HOST_FACTS", line);
  }
  bool big = ::SendMessageA(host, WM_GETICON, ICON_BIG, 0) != 0;
  bool small = ::SendMessageA(host, WM_GETICON, ICON_SMALL, 0) != 0;
  std::snprintf(line, sizeof line, "icons: %s %s", big ? "big" : "-", small ? "small" : "-");
  Append("OMB_PLUGIN_HOST_FACTS", line);
}
#endif

}  // namespace

#ifndef OMB_WITHOUT_ENTRY
extern "C" DWORD WINAPI OmbrelPlugIn(UINT message, WPARAM wParam, LPARAM, void* record) {
  switch (message) {
    case PIM_INIT: {
      Record("PIM_INIT");
      auto* info = static_cast<PlugInInfo*>(record);
      if (!info) return PIR_NO_RECORD;
      if (Failing("init")) return PIR_FAILED;
      info->plugInModule = AfxGetResourceHandle();
      info->plugInName = "Diagnose";
      info->plugInDescription = "Recording test double";
      info->context = static_cast<PlugInContext*>(::GlobalLock(::GlobalAlloc(GMEM_ZEROINIT, sizeof(PlugInContext))));
      return info->context ? PIR_SUCCESS : PIR_NO_MEMORY;
    }
    case PIM_CREATE: {
      HWND host = hostWindow = (HWND)wParam;
      RecordWithWindow("PIM_CREATE", host);
      if (host) RecordHostFacts(host);
      auto* context = static_cast<PlugInContext*>(record);
      if (!context) return PIR_NO_RECORD;
      if (!host || Failing("create")) return PIR_FAILED;
      context->hostWindow = host;
      RECT client;
      ::GetClientRect(host, &client);
      content = ::CreateWindowExA(0, "STATIC", "Recording test double of the diagnostics library",
                                  WS_CHILD | WS_VISIBLE | SS_CENTER, 1, client.bottom / 2 - 8, client.right - 2, 16,
                                  host, nullptr, AfxGetResourceHandle(), nullptr);
      return PIR_SUCCESS;
    }
    case PIM_RELEASE: {
      auto* context = static_cast<PlugInContext*>(record);
      // "window" when the host's window still exists.
      RecordWithWindow("PIM_RELEASE", hostWindow);
      if (!context) return PIR_FAILED;
      if (content) ::DestroyWindow(content);
      content = nullptr;
      HGLOBAL block = ::GlobalHandle(context);
      ::GlobalUnlock(block);
      ::GlobalFree(block);
      return PIR_SUCCESS;
    }
    default: return PIR_FAILED;
  }
}
#endif
