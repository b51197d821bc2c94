// A registry held in memory: one key tree per predefined root. Paths are
// subkey names joined by backslashes, relative to the root.
#pragma once

#include <map>
#include <string>

#include "platform/simulated/RegistryKey.h"

class CRegistryStore {
 public:
  CRegistryKey& Root(HKEY root);
  BOOL IsRoot(HKEY key) const;

  // Null when some part of the path does not exist; empty parts are passed over.
  CRegistryKey* FindKey(HKEY root, const std::string& path);
  CRegistryKey* FindKey(CRegistryKey& from, const std::string& path);
  CRegistryKey& CreateKey(HKEY root, const std::string& path);  // with the keys above it
  BOOL DeleteKey(HKEY root, const std::string& path);           // with everything below it

  // The root's handle for its name ("HKEY_LOCAL_MACHINE", or "HKLM" and the
  // other short forms), case-blind; FALSE for no root of that name.
  static BOOL RootFromName(const std::string& name, HKEY* root);

 private:
  std::map<ULONG_PTR, CRegistryKey> roots_;
};
