// Drives from the "drives" entry of machine.json: letter, type, sizes and
// whether a medium is in. An empty removable or optical drive fails the
// free-space queries with ERROR_NOT_READY; asked without
// SEM_FAILCRITICALERRORS, Windows would first have stopped the run with its
// modal "no disk" box, which is counted.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "platform/DriveApi.h"

class CSimulatedDrives : public CDriveApi {
 public:
  // machine: the whole machine.json, defaults filled in. Throws
  // nlohmann::json::exception or std::invalid_argument for a bad entry.
  CSimulatedDrives(const nlohmann::json& machine, DWORD& lastError);

  int CriticalErrorBoxes() const { return criticalErrorBoxes_; }

  DWORD GetLogicalDrives() override;
  UINT GetDriveTypeA(LPCSTR root) override;
  BOOL GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                         LPDWORD totalClusters) override;
  BOOL HasDiskFreeSpaceEx() override;
  BOOL GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER totalBytes,
                           PULARGE_INTEGER totalFree) override;
  UINT SetErrorMode(UINT mode) override;

 private:
  struct Drive {
    BOOL present = FALSE;
    UINT type = DRIVE_NO_ROOT_DIR;
    BOOL medium = TRUE;
    ULONGLONG totalBytes = 0, freeBytes = 0, freeToCaller = 0;
    DWORD bytesPerSector = 512, sectorsPerCluster = 8, totalClusters = 0, freeClusters = 0;
  };

  // The drive a root path names, or null when there is none (with the error set).
  const Drive* Find(LPCSTR root);
  // FALSE with ERROR_NOT_READY for an empty drive.
  BOOL CheckMedium(const Drive& drive);

  DWORD& lastError_;
  Drive drives_[26];
  BOOL hasDiskFreeSpaceEx_ = TRUE;
  UINT errorMode_ = 0;
  int criticalErrorBoxes_ = 0;
};
