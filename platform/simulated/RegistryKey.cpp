#include "platform/simulated/RegistryKey.h"

#include <algorithm>

namespace {
unsigned char Upper(char ch) {
  unsigned char c = (unsigned char)ch;
  return (c >= 'a' && c <= 'z') ? (unsigned char)(c - 'a' + 'A') : c;
}
}  // namespace

int CRegistryKey::CompareNames(const std::string& a, const std::string& b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    unsigned char ca = Upper(a[i]), cb = Upper(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

size_t CRegistryKey::SubkeyPlace(const std::string& name) const {
  auto it = std::lower_bound(
      subkeys_.begin(), subkeys_.end(), name,
      [](const std::unique_ptr<CRegistryKey>& key, const std::string& n) { return CompareNames(key->name_, n) < 0; });
  return (size_t)(it - subkeys_.begin());
}

CRegistryKey* CRegistryKey::FindSubkey(const std::string& name) const {
  size_t place = SubkeyPlace(name);
  return (place < subkeys_.size() && CompareNames(subkeys_[place]->name_, name) == 0) ? subkeys_[place].get() : nullptr;
}

CRegistryKey& CRegistryKey::CreateSubkey(const std::string& name) {
  if (CRegistryKey* existing = FindSubkey(name)) return *existing;
  size_t place = SubkeyPlace(name);
  return **subkeys_.insert(subkeys_.begin() + (long)place, std::make_unique<CRegistryKey>(name));
}

BOOL CRegistryKey::DeleteSubkey(const std::string& name) {
  if (!FindSubkey(name)) return FALSE;
  subkeys_.erase(subkeys_.begin() + (long)SubkeyPlace(name));
  return TRUE;
}

const CRegistryKey::Value* CRegistryKey::FindValue(const std::string& name) const {
  for (const Value& value : values_) {
    if (CompareNames(value.name, name) == 0) return &value;
  }
  return nullptr;
}

void CRegistryKey::SetValue(const std::string& name, DWORD type, std::vector<BYTE> data) {
  for (Value& value : values_) {
    if (CompareNames(value.name, name) == 0) {
      value.type = type;
      value.data = std::move(data);
      return;
    }
  }
  values_.push_back(Value{name, type, std::move(data)});
}

BOOL CRegistryKey::DeleteValue(const std::string& name) {
  for (auto it = values_.begin(); it != values_.end(); ++it) {
    if (CompareNames(it->name, name) == 0) {
      values_.erase(it);
      return TRUE;
    }
  }
  return FALSE;
}
