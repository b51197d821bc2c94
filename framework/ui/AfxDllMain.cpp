// The library entry of a module built as a plug-in: runs its application
// object's InitInstance at load and ExitInstance at unload. The linker takes
// this file only into libraries, whose start-up code asks for DllMain.
#include "framework/ui/CWinApp.h"
// After <windows.h>, which it needs.
#include <commctrl.h>

static BOOL running = FALSE;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  CWinApp* app = AfxGetApp();
  if (!app) return TRUE;
  // Nothing may be shown under the loader's lock, so failures here are
  // silent: a refused load is all the host sees.
  try {
    if (reason == DLL_PROCESS_ATTACH) {
      app->m_hInstance = instance;
      ::InitCommonControls();
      BOOL started = FALSE;
      try {
        started = app->InitInstance();
      } catch (...) {
      }
      if (!started) {
        app->ExitInstance();
        return FALSE;
      }
      running = TRUE;
    } else if (reason == DLL_PROCESS_DETACH && running) {
      // The system calls again with DETACH after a refused ATTACH; the
      // application has been shut down already then.
      running = FALSE;
      app->ExitInstance();
    }
  } catch (...) {
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
  }
  return TRUE;
}
