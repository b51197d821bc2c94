// System facts: version records, processor, metrics, memory, user and
// computer names. Each operation reports failure as its Win32 namesake does:
// a FALSE result with the reason in GetLastError(); operations that cannot
// fail on Windows cannot fail here either.
#pragma once

#include "platform/PlatformTypes.h"

class CSystemApi {
 public:
  virtual ~CSystemApi() = default;

  // Fills the record by its size field: 148 for OSVERSIONINFOA, 156 for
  // OSVERSIONINFOEXA (pass it cast, as with the real call). Any other size,
  // or the extended record on a system that does not know it: FALSE.
  virtual BOOL GetVersionExA(LPOSVERSIONINFOA info) = 0;

  // The view of the running process.
  virtual void GetSystemInfo(LPSYSTEM_INFO info) = 0;

  // The machine's own processor. Only kernels from XP on export it, so callers
  // look it up first: FALSE from HasNativeSystemInfo means the function is
  // missing, and calling it then is a fault of the caller.
  virtual BOOL HasNativeSystemInfo() = 0;
  virtual void GetNativeSystemInfo(LPSYSTEM_INFO info) = 0;

  // 0 for a metric the system does not know.
  virtual int GetSystemMetrics(int index) = 0;

  virtual void GlobalMemoryStatus(LPMEMORYSTATUS status) = 0;

  // size: capacity in characters, the terminator included. On success it
  // holds the length with the terminator (user name) or without it (computer
  // name). A name that does not fit: FALSE, ERROR_INSUFFICIENT_BUFFER (user)
  // or ERROR_BUFFER_OVERFLOW (computer), size set to the capacity needed.
  virtual BOOL GetUserNameA(LPSTR buffer, LPDWORD size) = 0;
  virtual BOOL GetComputerNameA(LPSTR buffer, LPDWORD size) = 0;

  virtual DWORD GetLastError() = 0;
};
