#include "platform/win32/Win32System.h"

CWin32System::CWin32System()
    : nativeSystemInfo_((NativeSystemInfoFunction)(void*)::GetProcAddress(::GetModuleHandleA("kernel32.dll"),
                                                                          "GetNativeSystemInfo")) {}

BOOL CWin32System::GetVersionExA(LPOSVERSIONINFOA info) {
  return ::GetVersionExA(info);
}

void CWin32System::GetSystemInfo(LPSYSTEM_INFO info) {
  ::GetSystemInfo(info);
}

BOOL CWin32System::HasNativeSystemInfo() {
  return nativeSystemInfo_ != nullptr;
}

void CWin32System::GetNativeSystemInfo(LPSYSTEM_INFO info) {
  nativeSystemInfo_(info);
}

int CWin32System::GetSystemMetrics(int index) {
  return ::GetSystemMetrics(index);
}

void CWin32System::GlobalMemoryStatus(LPMEMORYSTATUS status) {
  ::GlobalMemoryStatus(status);
}

BOOL CWin32System::GetUserNameA(LPSTR buffer, LPDWORD size) {
  return ::GetUserNameA(buffer, size);
}

BOOL CWin32System::GetComputerNameA(LPSTR buffer, LPDWORD size) {
  return ::GetComputerNameA(buffer, size);
}

DWORD CWin32System::GetLastError() {
  return ::GetLastError();
}
