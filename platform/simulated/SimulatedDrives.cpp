#include "platform/simulated/SimulatedDrives.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace {
const char* const kTypeNames[] = {"unknown", "noRootDir", "removable", "fixed", "remote", "cdrom", "ramdisk"};

const std::string kDriveKeys[] = {"type",         "medium",         "totalBytes",        "freeBytes",
                                  "freeToCaller", "bytesPerSector", "sectorsPerCluster", "totalClusters",
                                  "freeClusters"};

UINT ReadType(const nlohmann::json& type) {
  if (type.is_number()) return type.get<UINT>();
  for (UINT i = 0; i < sizeof kTypeNames / sizeof kTypeNames[0]; ++i) {
    if (type.get<std::string>() == kTypeNames[i]) return i;
  }
  throw std::invalid_argument("unknown drive type \"" + type.get<std::string>() + "\"");
}

// The drive index for "c:\" or "C:\", or -1.
int DriveIndex(LPCSTR root) {
  if (!root) return -1;
  char letter = (char)(root[0] | 0x20);
  if (letter < 'a' || letter > 'z' || root[1] != ':' || root[2] != '\\' || root[3] != 0) return -1;
  return letter - 'a';
}

template <typename T>
T ValueOr(const nlohmann::json& entry, const char* key, T fallback) {
  return entry.contains(key) ? entry.at(key).get<T>() : fallback;
}
}  // namespace

CSimulatedDrives::CSimulatedDrives(const nlohmann::json& machine, DWORD& lastError) : lastError_(lastError) {
  for (const auto& name : machine.at("missing")) {
    if (name.get<std::string>() == "GetDiskFreeSpaceExA") hasDiskFreeSpaceEx_ = FALSE;
  }
  // The 95 family caps the 32-bit figures at 2 GB, so that old programs that
  // multiply them never overflow.
  BOOL capAt2GB = machine.at("version").at("platformId").get<DWORD>() == 1;
  for (const auto& [letter, entry] : machine.at("drives").items()) {
    int index = letter.size() == 1 ? (letter[0] | 0x20) - 'a' : -1;
    if (index < 0 || index >= 26) throw std::invalid_argument("bad drive letter \"" + letter + "\"");
    for (const auto& item : entry.items()) {
      if (std::find(std::begin(kDriveKeys), std::end(kDriveKeys), item.key()) == std::end(kDriveKeys))
        throw std::invalid_argument("drive " + letter + ": unknown key \"" + item.key() + "\"");
    }
    Drive& drive = drives_[index];
    drive.present = TRUE;
    drive.type = ReadType(entry.at("type"));
    drive.medium = ValueOr<bool>(entry, "medium", true);
    drive.totalBytes = ValueOr<ULONGLONG>(entry, "totalBytes", 0);
    drive.freeBytes = ValueOr<ULONGLONG>(entry, "freeBytes", 0);
    drive.freeToCaller = ValueOr<ULONGLONG>(entry, "freeToCaller", drive.freeBytes);
    drive.bytesPerSector = ValueOr<DWORD>(entry, "bytesPerSector", 512);
    drive.sectorsPerCluster = ValueOr<DWORD>(entry, "sectorsPerCluster", 8);
    ULONGLONG clusterBytes = (ULONGLONG)drive.bytesPerSector * drive.sectorsPerCluster;
    if (clusterBytes == 0) throw std::invalid_argument("drive " + letter + ": cluster size 0");
    ULONGLONG maxClusters = capAt2GB ? 0x7FFFFFFFull / clusterBytes : 0xFFFFFFFFull;
    drive.totalClusters =
        ValueOr<DWORD>(entry, "totalClusters", (DWORD)std::min(drive.totalBytes / clusterBytes, maxClusters));
    drive.freeClusters =
        ValueOr<DWORD>(entry, "freeClusters", (DWORD)std::min(drive.freeToCaller / clusterBytes, maxClusters));
  }
}

DWORD CSimulatedDrives::GetLogicalDrives() {
  DWORD mask = 0;
  for (int i = 0; i < 26; ++i) {
    if (drives_[i].present) mask |= 1u << i;
  }
  return mask;
}

const CSimulatedDrives::Drive* CSimulatedDrives::Find(LPCSTR root) {
  int index = DriveIndex(root);
  if (index < 0 || !drives_[index].present) {
    lastError_ = ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  return &drives_[index];
}

BOOL CSimulatedDrives::CheckMedium(const Drive& drive) {
  if (drive.medium) return TRUE;
  if (!(errorMode_ & SEM_FAILCRITICALERRORS)) ++criticalErrorBoxes_;
  lastError_ = ERROR_NOT_READY;
  return FALSE;
}

UINT CSimulatedDrives::GetDriveTypeA(LPCSTR root) {
  int index = DriveIndex(root);
  return (index >= 0 && drives_[index].present) ? drives_[index].type : DRIVE_NO_ROOT_DIR;
}

BOOL CSimulatedDrives::GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                         LPDWORD freeClusters, LPDWORD totalClusters) {
  const Drive* drive = Find(root);
  if (!drive || !CheckMedium(*drive)) return FALSE;
  if (sectorsPerCluster) *sectorsPerCluster = drive->sectorsPerCluster;
  if (bytesPerSector) *bytesPerSector = drive->bytesPerSector;
  if (freeClusters) *freeClusters = drive->freeClusters;
  if (totalClusters) *totalClusters = drive->totalClusters;
  return TRUE;
}

BOOL CSimulatedDrives::HasDiskFreeSpaceEx() {
  return hasDiskFreeSpaceEx_;
}

BOOL CSimulatedDrives::GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER totalBytes,
                                           PULARGE_INTEGER totalFree) {
  // Calling a function the system does not export would crash the real run.
  if (!hasDiskFreeSpaceEx_) throw std::logic_error("GetDiskFreeSpaceExA called on a system without it");
  const Drive* drive = Find(root);
  if (!drive || !CheckMedium(*drive)) return FALSE;
  if (freeToCaller) freeToCaller->QuadPart = drive->freeToCaller;
  if (totalBytes) totalBytes->QuadPart = drive->totalBytes;
  if (totalFree) totalFree->QuadPart = drive->freeBytes;
  return TRUE;
}

UINT CSimulatedDrives::SetErrorMode(UINT mode) {
  UINT previous = errorMode_;
  errorMode_ = mode;
  return previous;
}
