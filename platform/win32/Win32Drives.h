// Drives through the Win32 API. GetDiskFreeSpaceExA is looked up at run time:
// the first Windows 95 does not export it.
#pragma once

#include "platform/DriveApi.h"

class CWin32Drives : public CDriveApi {
 public:
  CWin32Drives();

  DWORD GetLogicalDrives() override;
  UINT GetDriveTypeA(LPCSTR root) override;
  BOOL GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                         LPDWORD totalClusters) override;
  BOOL HasDiskFreeSpaceEx() override;
  BOOL GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER totalBytes,
                           PULARGE_INTEGER totalFree) override;
  UINT SetErrorMode(UINT mode) override;

 private:
  typedef BOOL(WINAPI* DiskFreeSpaceExFunction)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  DiskFreeSpaceExFunction diskFreeSpaceEx_;
};
