#include "platform/simulated/RegistryStore.h"

#include <vector>

namespace {
struct RootName {
  const char* name;
  const char* shortName;
  HKEY root;
};

const RootName kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},     {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},   {"HKEY_USERS", "HKU", HKEY_USERS},
    {"HKEY_CURRENT_CONFIG", "HKCC", HKEY_CURRENT_CONFIG}, {"HKEY_DYN_DATA", "HKDD", HKEY_DYN_DATA},
};

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}
}  // namespace

BOOL CRegistryStore::RootFromName(const std::string& name, HKEY* root) {
  for (const RootName& entry : kRoots) {
    if (CRegistryKey::CompareNames(name, entry.name) == 0 || CRegistryKey::CompareNames(name, entry.shortName) == 0) {
      *root = entry.root;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CRegistryStore::IsRoot(HKEY key) const {
  for (const RootName& entry : kRoots) {
    if (entry.root == key) return TRUE;
  }
  return FALSE;
}

CRegistryKey& CRegistryStore::Root(HKEY root) {
  return roots_.try_emplace((ULONG_PTR)root, std::string()).first->second;
}

CRegistryKey* CRegistryStore::FindKey(CRegistryKey& from, const std::string& path) {
  CRegistryKey* key = &from;
  if (path.empty()) return key;
  for (const std::string& part : SplitPath(path)) {
    if (part.empty()) continue;  // "A\\B" and "A\" name "A\B" and "A", as the registry calls take them
    key = key->FindSubkey(part);
    if (!key) return nullptr;
  }
  return key;
}

CRegistryKey* CRegistryStore::FindKey(HKEY root, const std::string& path) {
  return FindKey(Root(root), path);
}

CRegistryKey& CRegistryStore::CreateKey(HKEY root, const std::string& path) {
  CRegistryKey* key = &Root(root);
  if (path.empty()) return *key;
  for (const std::string& part : SplitPath(path)) key = &key->CreateSubkey(part);
  return *key;
}

BOOL CRegistryStore::DeleteKey(HKEY root, const std::string& path) {
  size_t last = path.rfind('\\');
  CRegistryKey* parent = last == std::string::npos ? &Root(root) : FindKey(root, path.substr(0, last));
  return parent && parent->DeleteSubkey(last == std::string::npos ? path : path.substr(last + 1));
}
