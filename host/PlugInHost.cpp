#include "host/PlugInHost.h"

#include "framework/ui/CWnd.h"

CPlugInHost::CPlugInHost(int number) : plugInNumber(number) {}

CPlugInHost::~CPlugInHost() {
  Unload();
}

BOOL CPlugInHost::Load(const char* fileName) {
  // Older systems answer a file that is no library with a box of their own;
  // a failed load is ours to report.
  UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  libraryHandle = ::LoadLibraryA(fileName);
  ::SetErrorMode(previousMode);
  if (!libraryHandle) return FALSE;
  entryPoint = (OmbrelPlugInProc)(void*)::GetProcAddress(libraryHandle, OMBREL_PLUGIN_ENTRY_NAME);
  if (entryPoint && entryPoint(PIM_INIT, 0, 0, &info) == PIR_SUCCESS) return TRUE;
  ::FreeLibrary(libraryHandle);
  libraryHandle = nullptr;
  return FALSE;
}

BOOL CPlugInHost::CreateUI(CWnd* dialog) {
  hostDialog = dialog;
  if (!hostDialog || !libraryHandle) return FALSE;
  return entryPoint(PIM_CREATE, (WPARAM)hostDialog->m_hWnd, 0, info.context) == PIR_SUCCESS;
}

void CPlugInHost::Unload() {
  if (!libraryHandle) return;
  entryPoint(PIM_RELEASE, 0, 0, info.context);
  ::FreeLibrary(libraryHandle);
  libraryHandle = nullptr;
}
