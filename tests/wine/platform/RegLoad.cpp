// Creates the HKEY_DYN_DATA keys of registry files in the running Wine
// session: `reg import` skips that root, and Wine keeps it only as long as
// its wineserver runs, so it is loaded right before the program that reads it.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/simulated/RegFileReader.h"

namespace {
BOOL Create(HKEY parent, const CRegistryKey& key) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  // The dynamic root takes volatile keys only.
  if (RegCreateKeyExA(parent, key.Name().c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                      &disposition) != ERROR_SUCCESS) {
    std::fprintf(stderr, "regload: cannot create \"%s\"\n", key.Name().c_str());
    return FALSE;
  }
  BOOL ok = TRUE;
  for (const CRegistryKey::Value& value : key.Values()) {
    if (RegSetValueExA(opened, value.name.c_str(), 0, value.type, value.data.data(), (DWORD)value.data.size()) !=
        ERROR_SUCCESS) {
      std::fprintf(stderr, "regload: cannot set \"%s\" in \"%s\"\n", value.name.c_str(), key.Name().c_str());
      ok = FALSE;
    }
  }
  for (size_t i = 0; i < key.SubkeyCount(); ++i) ok = Create(opened, key.Subkey(i)) && ok;
  RegCloseKey(opened);
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  CRegistryStore store;
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    CString error;
    if (!in || !CRegFileReader::Read(bytes.data(), bytes.size(), argv[i], store, error)) {
      std::fprintf(stderr, "regload: %s\n", error.IsEmpty() ? argv[i] : (const char*)error);
      return 1;
    }
  }
  const CRegistryKey& root = store.Root(HKEY_DYN_DATA);
  BOOL ok = TRUE;
  for (size_t i = 0; i < root.SubkeyCount(); ++i) ok = Create(HKEY_DYN_DATA, root.Subkey(i)) && ok;
  return ok ? 0 : 1;
}
