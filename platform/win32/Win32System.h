// System facts through the Win32 API. GetNativeSystemInfo is looked up at run
// time: kernels before XP do not export it.
#pragma once

#include "platform/SystemApi.h"

class CWin32System : public CSystemApi {
 public:
  CWin32System();

  BOOL GetVersionExA(LPOSVERSIONINFOA info) override;
  void GetSystemInfo(LPSYSTEM_INFO info) override;
  BOOL HasNativeSystemInfo() override;
  void GetNativeSystemInfo(LPSYSTEM_INFO info) override;
  int GetSystemMetrics(int index) override;
  void GlobalMemoryStatus(LPMEMORYSTATUS status) override;
  BOOL GetUserNameA(LPSTR buffer, LPDWORD size) override;
  BOOL GetComputerNameA(LPSTR buffer, LPDWORD size) override;
  DWORD GetLastError() override;

 private:
  typedef void(WINAPI* NativeSystemInfoFunction)(LPSYSTEM_INFO);
  NativeSystemInfoFunction nativeSystemInfo_;
};
