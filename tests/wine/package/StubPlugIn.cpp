// Stands in for the diagnostics library in the package until the real one is
// built: answers the protocol's messages, and shows one line of text inside
// the host's window.
#include <cstring>

#include "plugin/protocol/PlugInProtocol.h"

static HINSTANCE module;
static HWND content;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" DWORD WINAPI OmbrelPlugIn(UINT message, WPARAM wParam, LPARAM, void* record) {
  switch (message) {
    case PIM_INIT: {
      auto* info = static_cast<PlugInInfo*>(record);
      if (!info) return PIR_NO_RECORD;
      HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, sizeof(PlugInContext));
      if (!block) return PIR_NO_MEMORY;
      info->plugInModule = module;
      info->plugInName = "Diagnose";
      info->plugInDescription = "Stand-in library of the package";
      info->context = static_cast<PlugInContext*>(GlobalLock(block));
      return PIR_SUCCESS;
    }
    case PIM_CREATE: {
      auto* context = static_cast<PlugInContext*>(record);
      HWND host = (HWND)wParam;
      if (!context) return PIR_NO_RECORD;
      if (!host) return PIR_FAILED;
      context->hostWindow = host;
      RECT client;
      GetClientRect(host, &client);
      content = CreateWindowExA(0, "STATIC", "Stand-in library of the package: the diagnostics are not built yet.",
                                WS_CHILD | WS_VISIBLE | SS_CENTER, 1, client.bottom / 2 - 8, client.right - 2, 16, host,
                                nullptr, module, nullptr);
      return content ? PIR_SUCCESS : PIR_FAILED;
    }
    case PIM_RELEASE: {
      if (!record) return PIR_FAILED;
      if (content) DestroyWindow(content);
      content = nullptr;
      HGLOBAL block = GlobalHandle(record);
      GlobalUnlock(block);
      GlobalFree(block);
      return PIR_SUCCESS;
    }
    case PIM_VERSION: {
      auto* version = static_cast<PlugInVersionInfo*>(record);
      if (!version) return PIR_NO_RECORD;
      std::strncpy(version->comments, "Stand-in library", 75);
      version->fileVersionMS = 0x00010000;
      version->fileVersionLS = 0;
      return PIR_SUCCESS;
    }
    default: return PIR_FAILED;
  }
}
