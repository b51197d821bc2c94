// The registry, read only. Every operation returns a Win32 error code, as its
// namesake does: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND for a key or value that
// is not there, ERROR_MORE_DATA when a name or data buffer is too small (the
// data size then holds the size needed), ERROR_NO_MORE_ITEMS past the last
// index of an enumeration, ERROR_INVALID_HANDLE for a key that is not open.
// Key and value names compare without regard to case; a null or empty value
// name means the key's default value.
#pragma once

#include "platform/PlatformTypes.h"

class CRegistryApi {
 public:
  virtual ~CRegistryApi() = default;

  // A null or empty subKey opens the key itself again.
  virtual LONG RegOpenKeyA(HKEY key, LPCSTR subKey, HKEY* result) = 0;
  virtual LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result) = 0;

  // data may be null to ask for the size only; type may be null.
  virtual LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD dataSize) = 0;

  // nameCapacity: characters including the terminator.
  virtual LONG RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameCapacity) = 0;

  // nameSize: capacity in characters on entry, length without the terminator
  // on success. className, classSize and lastWrite may be null.
  virtual LONG RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR className,
                             LPDWORD classSize, PFILETIME lastWrite) = 0;

  // As RegEnumKeyExA for the name; type, data and dataSize as in
  // RegQueryValueExA.
  virtual LONG RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPDWORD type,
                             LPBYTE data, LPDWORD dataSize) = 0;

  virtual LONG RegCloseKey(HKEY key) = 0;
};
