// System facts from the "version", "processor", "nativeProcessor",
// "metrics", "memory", "userName", "computerName" and "missing" entries of
// machine.json, with the failures of the real calls (see SystemApi.h).
#pragma once

#include <map>
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "platform/SystemApi.h"

class CSimulatedSystem : public CSystemApi {
 public:
  // machine: the whole machine.json, defaults filled in. Throws
  // nlohmann::json::exception or std::invalid_argument for a bad entry.
  CSimulatedSystem(const nlohmann::json& machine, DWORD& lastError);

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
  BOOL Fail(DWORD error);
  // The two name calls differ in whether the length they give back on
  // success counts the terminator, and in their "does not fit" error.
  BOOL CopyName(const std::string& name, LPSTR buffer, LPDWORD size, BOOL countTerminator, DWORD tooSmall);

  DWORD& lastError_;
  OSVERSIONINFOEXA version_{};
  BOOL versionFails_ = FALSE;
  BOOL extendedVersion_ = FALSE;
  SYSTEM_INFO processor_{};
  SYSTEM_INFO nativeProcessor_{};
  BOOL hasNativeSystemInfo_ = TRUE;
  std::map<int, int> metrics_;
  MEMORYSTATUS memory_{};
  std::string userName_;
  std::string computerName_;
};
