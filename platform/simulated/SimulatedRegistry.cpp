#include "platform/simulated/SimulatedRegistry.h"

#include <cstring>

CRegistryKey* CSimulatedRegistry::Resolve(HKEY key) {
  if (store_.IsRoot(key)) return &store_.Root(key);
  auto it = open_.find((ULONG_PTR)key);
  return it == open_.end() ? nullptr : it->second;
}

LONG CSimulatedRegistry::Open(HKEY key, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  CRegistryKey* parent = Resolve(key);
  if (!parent) return ERROR_INVALID_HANDLE;
  if (subKey && *subKey == '\\') return ERROR_BAD_PATHNAME;
  CRegistryKey* found = store_.FindKey(*parent, subKey ? subKey : "");
  if (!found) return ERROR_FILE_NOT_FOUND;
  nextHandle_ += 4;
  open_[nextHandle_] = found;
  *result = (HKEY)nextHandle_;
  return ERROR_SUCCESS;
}

LONG CSimulatedRegistry::RegOpenKeyA(HKEY key, LPCSTR subKey, HKEY* result) {
  // The old call hands back the same handle for an empty subkey.
  if (!subKey || !*subKey) {
    if (!result) return ERROR_INVALID_PARAMETER;
    if (!Resolve(key)) return ERROR_INVALID_HANDLE;
    *result = key;
    return ERROR_SUCCESS;
  }
  return Open(key, subKey, result);
}

LONG CSimulatedRegistry::RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result) {
  (void)options;
  (void)access;  // a simulated machine grants every access it is asked for
  return Open(key, subKey, result);
}

LONG CSimulatedRegistry::CopyName(const std::string& name, LPSTR buffer, LPDWORD size) {
  if (name.size() + 1 > *size) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = (DWORD)name.size();
  return ERROR_SUCCESS;
}

LONG CSimulatedRegistry::CopyData(const CRegistryKey::Value& value, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  if (type) *type = value.type;
  DWORD needed = (DWORD)value.data.size();
  if (!dataSize) return ERROR_SUCCESS;
  DWORD capacity = *dataSize;
  *dataSize = needed;
  if (!data) return ERROR_SUCCESS;
  if (capacity < needed) return ERROR_MORE_DATA;
  if (needed) std::memcpy(data, value.data.data(), needed);
  return ERROR_SUCCESS;
}

LONG CSimulatedRegistry::RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                          LPDWORD dataSize) {
  (void)reserved;
  CRegistryKey* found = Resolve(key);
  if (!found) return ERROR_INVALID_HANDLE;
  const CRegistryKey::Value* value = found->FindValue(valueName ? valueName : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  return CopyData(*value, type, data, dataSize);
}

LONG CSimulatedRegistry::RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameCapacity) {
  CRegistryKey* found = Resolve(key);
  if (!found) return ERROR_INVALID_HANDLE;
  if (index >= found->SubkeyCount()) return ERROR_NO_MORE_ITEMS;
  const std::string& subkey = found->Subkey(index).Name();
  if (!name || subkey.size() + 1 > nameCapacity) return ERROR_MORE_DATA;
  std::memcpy(name, subkey.c_str(), subkey.size() + 1);
  return ERROR_SUCCESS;
}

LONG CSimulatedRegistry::RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                                       LPSTR className, LPDWORD classSize, PFILETIME lastWrite) {
  (void)reserved;
  CRegistryKey* found = Resolve(key);
  if (!found) return ERROR_INVALID_HANDLE;
  if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
  if (index >= found->SubkeyCount()) return ERROR_NO_MORE_ITEMS;
  // Keys made from .reg files have no class.
  if (className && classSize && *classSize < 1) return ERROR_MORE_DATA;
  LONG result = CopyName(found->Subkey(index).Name(), name, nameSize);
  if (result != ERROR_SUCCESS) return result;
  if (className) *className = 0;
  if (classSize) *classSize = 0;
  if (lastWrite) *lastWrite = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LONG CSimulatedRegistry::RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                                       LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  (void)reserved;
  CRegistryKey* found = Resolve(key);
  if (!found) return ERROR_INVALID_HANDLE;
  if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
  if (index >= found->Values().size()) return ERROR_NO_MORE_ITEMS;
  const CRegistryKey::Value& value = found->Values()[index];
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  LONG result = CopyName(value.name, name, nameSize);
  return result == ERROR_SUCCESS ? CopyData(value, type, data, dataSize) : result;
}

LONG CSimulatedRegistry::RegCloseKey(HKEY key) {
  if (store_.IsRoot(key)) return ERROR_SUCCESS;
  return open_.erase((ULONG_PTR)key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
