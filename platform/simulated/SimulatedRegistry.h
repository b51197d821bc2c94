// The registry calls over a registry held in memory, with the result codes,
// capacities and handle rules of the Win32 calls (see RegistryApi.h).
// Handles are numbers of our own; a handle that is not open fails with
// ERROR_INVALID_HANDLE, as the real call does.
#pragma once

#include <map>

#include "platform/RegistryApi.h"
#include "platform/simulated/RegistryStore.h"

class CSimulatedRegistry : public CRegistryApi {
 public:
  CRegistryStore& Store() { return store_; }
  int OpenKeys() const { return (int)open_.size(); }

  LONG RegOpenKeyA(HKEY key, LPCSTR subKey, HKEY* result) override;
  LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result) override;
  LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                        LPDWORD dataSize) override;
  LONG RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameCapacity) override;
  LONG RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR className,
                     LPDWORD classSize, PFILETIME lastWrite) override;
  LONG RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPDWORD type, LPBYTE data,
                     LPDWORD dataSize) override;
  LONG RegCloseKey(HKEY key) override;

 private:
  CRegistryKey* Resolve(HKEY key);
  LONG Open(HKEY key, LPCSTR subKey, HKEY* result);
  // A name that fits its buffer with the terminator; size gets its length.
  static LONG CopyName(const std::string& name, LPSTR buffer, LPDWORD size);
  // Fills the caller's data buffer as RegQueryValueExA does.
  static LONG CopyData(const CRegistryKey::Value& value, LPDWORD type, LPBYTE data, LPDWORD dataSize);

  CRegistryStore store_;
  std::map<ULONG_PTR, CRegistryKey*> open_;
  ULONG_PTR nextHandle_ = 0x1000;
};
