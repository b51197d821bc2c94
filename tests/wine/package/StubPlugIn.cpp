// Stands in for the diagnostics library in the package until the real one is
// built: answers the protocol's init, release and version messages.
#include <cstring>

#include "plugin/protocol/PlugInProtocol.h"

static HINSTANCE module;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" DWORD WINAPI OmbrelPlugIn(UINT message, WPARAM, LPARAM, void* record) {
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
    case PIM_RELEASE: {
      if (!record) return PIR_FAILED;
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
