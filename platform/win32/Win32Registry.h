// The registry through the Win32 API.
#pragma once

#include "platform/RegistryApi.h"

class CWin32Registry : public CRegistryApi {
 public:
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
};
