#include "platform/simulated/MachineFile.h"

#include <fstream>
#include <stdexcept>

namespace {
const char kDefaults[] = R"({
  "version": {"major": 5, "minor": 1, "build": 2600, "platformId": 2, "csdVersion": "Service Pack 2",
              "servicePackMajor": 2, "servicePackMinor": 0, "suiteMask": 256, "productType": 1, "fails": false},
  "processor": {"architecture": 0, "type": 586, "level": 6, "revision": 3842, "count": 1, "pageSize": 4096,
                "allocationGranularity": 65536, "activeMask": 1, "minimumAddress": 65536,
                "maximumAddress": 2147418111},
  "missing": [],
  "metrics": {"SM_CXSCREEN": 1024, "SM_CYSCREEN": 768, "SM_CLEANBOOT": 0, "SM_NETWORK": 3, "SM_DEBUG": 0,
              "SM_SLOWMACHINE": 0, "SM_SERVERR2": 0},
  "memory": {"load": 45, "totalPhys": 536326144, "availPhys": 294211584, "totalPageFile": 1312751616,
             "availPageFile": 1020813312, "totalVirtual": 2147352576, "availVirtual": 2112729088},
  "userName": "user1",
  "computerName": "OFFICE-PC1",
  "drives": {"A": {"type": "removable", "medium": false},
             "C": {"type": "fixed", "totalBytes": 20974428160, "freeBytes": 7340032000},
             "D": {"type": "cdrom", "medium": false}}
})";

// Entries that have no default because they follow from others, and the
// ones only the Wine prefix builder reads.
const char* const kDerived[] = {"/version/extended", "/nativeProcessor", "/wineVersion"};
// Objects whose keys are free (drive letters, metric names).
const char* const kOpenObjects[] = {"/drives", "/metrics"};
const char* const kOptionalFunctions[] = {"GetNativeSystemInfo", "GetDiskFreeSpaceExA"};

template <size_t N>
bool Holds(const char* const (&list)[N], const std::string& text) {
  for (const char* entry : list) {
    if (text == entry) return true;
  }
  return false;
}

void CheckKeys(const nlohmann::json& fixture, const nlohmann::json& defaults, const std::string& where) {
  for (const auto& [key, value] : fixture.items()) {
    std::string path = where + "/" + key;
    if (Holds(kDerived, path)) continue;
    if (!defaults.contains(key)) throw std::invalid_argument("unknown key \"" + path + "\"");
    if (value.is_object() && defaults.at(key).is_object() && !Holds(kOpenObjects, path))
      CheckKeys(value, defaults.at(key), path);
  }
}
}  // namespace

nlohmann::json CMachineFile::Complete(const nlohmann::json& fixture) {
  if (!fixture.is_object()) throw std::invalid_argument("the machine is not a JSON object");
  nlohmann::json machine = nlohmann::json::parse(kDefaults);
  CheckKeys(fixture, machine, "");
  nlohmann::json patch = fixture;
  if (patch.contains("drives")) {
    // A fixture's drives replace the default set, so that it can have fewer.
    machine["drives"] = patch["drives"];
    patch.erase("drives");
  }
  patch.erase("nativeProcessor");
  machine.merge_patch(patch);
  machine["nativeProcessor"] = machine["processor"];
  if (fixture.contains("nativeProcessor")) machine["nativeProcessor"].merge_patch(fixture["nativeProcessor"]);
  CheckKeys(machine["nativeProcessor"], machine["processor"], "/nativeProcessor");
  nlohmann::json& version = machine["version"];
  if (!version.contains("extended"))
    version["extended"] = version.at("platformId").get<int>() == 2 && version.at("major").get<int>() >= 5;
  for (const auto& name : machine.at("missing")) {
    if (!Holds(kOptionalFunctions, name.get<std::string>()))
      throw std::invalid_argument("\"missing\" names a function that is always there: " + name.dump());
  }
  return machine;
}

BOOL CMachineFile::Read(const std::string& path, nlohmann::json& machine, CString& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = (path + ": cannot be read").c_str();
    return FALSE;
  }
  try {
    machine = Complete(nlohmann::json::parse(in));
  } catch (const std::exception& e) {
    error = (path + ": " + e.what()).c_str();
    return FALSE;
  }
  return TRUE;
}
