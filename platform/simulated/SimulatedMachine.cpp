#include "platform/simulated/SimulatedMachine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/simulated/MachineFile.h"
#include "platform/simulated/RegFileReader.h"
#include "platform/simulated/SimulatedDrives.h"
#include "platform/simulated/SimulatedRegistry.h"
#include "platform/simulated/SimulatedSystem.h"

namespace {
// The .reg files of the folder, in name order so that later files win.
std::vector<std::filesystem::path> RegistryFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code failed;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "registry", failed)) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char ch) { return (char)(ch | 0x20); });
    if (entry.is_regular_file() && extension == ".reg") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}
}  // namespace

CSimulatedMachine::CSimulatedMachine() = default;
CSimulatedMachine::~CSimulatedMachine() = default;

std::unique_ptr<CSimulatedMachine> CSimulatedMachine::Load(const char* folder, CString& error) {
  std::filesystem::path root(folder);
  std::string jsonPath = (root / "machine.json").string();
  nlohmann::json description;
  if (!CMachineFile::Read(jsonPath, description, error)) return nullptr;

  std::unique_ptr<CSimulatedMachine> machine(new CSimulatedMachine());
  try {
    machine->system_ = std::make_unique<CSimulatedSystem>(description, machine->lastError_);
    machine->drives_ = std::make_unique<CSimulatedDrives>(description, machine->lastError_);
  } catch (const std::exception& e) {
    error = (jsonPath + ": " + e.what()).c_str();
    return nullptr;
  }
  machine->registry_ = std::make_unique<CSimulatedRegistry>();
  for (const auto& path : RegistryFiles(root)) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      error = (path.string() + ": cannot be read").c_str();
      return nullptr;
    }
    std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!CRegFileReader::Read(bytes.data(), bytes.size(), path.string().c_str(), machine->registry_->Store(), error))
      return nullptr;
  }
  return machine;
}

CSystemApi& CSimulatedMachine::System() {
  return *system_;
}
CDriveApi& CSimulatedMachine::Drives() {
  return *drives_;
}
CRegistryApi& CSimulatedMachine::Registry() {
  return *registry_;
}
int CSimulatedMachine::CriticalErrorBoxes() const {
  return drives_->CriticalErrorBoxes();
}
int CSimulatedMachine::OpenKeys() const {
  return registry_->OpenKeys();
}
