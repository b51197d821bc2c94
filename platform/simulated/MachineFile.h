// Reads a fixture's machine.json and fills in the defaults for everything it
// does not state, so that a fixture holds only what sets its machine apart.
// The defaults describe a Windows XP Professional SP2 desktop; the keys are
// listed in tests/fixtures/machines/README.md.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "framework/core/CString.h"

class CMachineFile {
 public:
  // FALSE with error naming the file for a file that cannot be read, is no
  // JSON, or has a key of a wrong type or one that no machine has.
  static BOOL Read(const std::string& path, nlohmann::json& machine, CString& error);
  // The defaults merged with one fixture's entries, checked.
  static nlohmann::json Complete(const nlohmann::json& fixture);
};
