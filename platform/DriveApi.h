// Drive letters, drive types and free space. Failures are reported as by the
// Win32 calls: GetLogicalDrives gives 0, GetDriveTypeA DRIVE_NO_ROOT_DIR for a
// root that does not exist, the free-space queries FALSE with the reason in
// the system's GetLastError() (ERROR_NOT_READY for a drive without a medium).
#pragma once

#include "platform/PlatformTypes.h"

class CDriveApi {
 public:
  virtual ~CDriveApi() = default;

  // Bit i set: drive letter 'A' + i exists.
  virtual DWORD GetLogicalDrives() = 0;

  // root: "c:\\" style, either letter case.
  virtual UINT GetDriveTypeA(LPCSTR root) = 0;

  // Sizes in clusters; the products wrap in 32 bits on large disks, and the
  // 95 family caps the figures at 2 GB.
  virtual BOOL GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                                 LPDWORD totalClusters) = 0;

  // The 64-bit query exists from Windows 95 OSR2 and NT 4 on: callers look it
  // up first, and calling it when HasDiskFreeSpaceEx gives FALSE is a fault of
  // the caller. Any of the three results may be null.
  virtual BOOL HasDiskFreeSpaceEx() = 0;
  virtual BOOL GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER totalBytes,
                                   PULARGE_INTEGER totalFree) = 0;

  // Returns the previous mode. With SEM_FAILCRITICALERRORS a query of an empty
  // removable or optical drive fails quietly instead of showing the system's
  // modal "no disk" box.
  virtual UINT SetErrorMode(UINT mode) = 0;
};
