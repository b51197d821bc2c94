// Registry export files are untrusted bytes: the reader must refuse or read
// any of them without crashing, and what it read must be walkable.
#include <cstddef>
#include <cstdint>

#include "platform/simulated/RegFileReader.h"

namespace {
size_t Walk(const CRegistryKey& key) {
  size_t bytes = key.Name().size();
  for (const CRegistryKey::Value& value : key.Values()) bytes += value.name.size() + value.data.size();
  for (size_t i = 0; i < key.SubkeyCount(); ++i) bytes += Walk(key.Subkey(i));
  return bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CRegistryStore store;
  CString error;
  if (CRegFileReader::Read(data, size, "fuzz.reg", store, error)) {
    for (HKEY root :
         {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA})
      Walk(store.Root(root));
  }
  return 0;
}
