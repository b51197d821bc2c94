// One key of a registry held in memory, with its values and subkeys. Names
// compare without regard to case (ASCII letters, as the fixtures use).
// Values keep the order in which they were first set and subkeys are kept
// sorted by their upper-cased names: the order in which Windows NT (and Wine)
// enumerate them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

class CRegistryKey {
 public:
  struct Value {
    std::string name;  // empty for the default value
    DWORD type;
    std::vector<BYTE> data;
  };

  explicit CRegistryKey(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }

  CRegistryKey* FindSubkey(const std::string& name) const;
  CRegistryKey& CreateSubkey(const std::string& name);  // the existing one if there is one
  BOOL DeleteSubkey(const std::string& name);           // with everything below it
  size_t SubkeyCount() const { return subkeys_.size(); }
  const CRegistryKey& Subkey(size_t index) const { return *subkeys_[index]; }

  const Value* FindValue(const std::string& name) const;
  void SetValue(const std::string& name, DWORD type, std::vector<BYTE> data);  // keeps its place when replaced
  BOOL DeleteValue(const std::string& name);
  const std::vector<Value>& Values() const { return values_; }

  // <0, 0, >0 as the names compare in the system's enumeration order.
  static int CompareNames(const std::string& a, const std::string& b);

 private:
  size_t SubkeyPlace(const std::string& name) const;  // where the name stands or would stand

  std::string name_;
  std::vector<Value> values_;
  std::vector<std::unique_ptr<CRegistryKey>> subkeys_;
};
