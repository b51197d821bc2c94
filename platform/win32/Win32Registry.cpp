#include "platform/win32/Win32Registry.h"

LONG CWin32Registry::RegOpenKeyA(HKEY key, LPCSTR subKey, HKEY* result) {
  return ::RegOpenKeyA(key, subKey, result);
}

LONG CWin32Registry::RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result) {
  return ::RegOpenKeyExA(key, subKey, options, access, result);
}

LONG CWin32Registry::RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                      LPDWORD dataSize) {
  return ::RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
}

LONG CWin32Registry::RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameCapacity) {
  return ::RegEnumKeyA(key, index, name, nameCapacity);
}

LONG CWin32Registry::RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                                   LPSTR className, LPDWORD classSize, PFILETIME lastWrite) {
  return ::RegEnumKeyExA(key, index, name, nameSize, reserved, className, classSize, lastWrite);
}

LONG CWin32Registry::RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPDWORD type,
                                   LPBYTE data, LPDWORD dataSize) {
  return ::RegEnumValueA(key, index, name, nameSize, reserved, type, data, dataSize);
}

LONG CWin32Registry::RegCloseKey(HKEY key) {
  return ::RegCloseKey(key);
}
