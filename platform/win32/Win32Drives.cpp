#include "platform/win32/Win32Drives.h"

CWin32Drives::CWin32Drives()
    : diskFreeSpaceEx_((DiskFreeSpaceExFunction)(void*)::GetProcAddress(::GetModuleHandleA("kernel32.dll"),
                                                                        "GetDiskFreeSpaceExA")) {}

DWORD CWin32Drives::GetLogicalDrives() {
  return ::GetLogicalDrives();
}

UINT CWin32Drives::GetDriveTypeA(LPCSTR root) {
  return ::GetDriveTypeA(root);
}

BOOL CWin32Drives::GetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                     LPDWORD freeClusters, LPDWORD totalClusters) {
  return ::GetDiskFreeSpaceA(root, sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

BOOL CWin32Drives::HasDiskFreeSpaceEx() {
  return diskFreeSpaceEx_ != nullptr;
}

BOOL CWin32Drives::GetDiskFreeSpaceExA(LPCSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER totalBytes,
                                       PULARGE_INTEGER totalFree) {
  return diskFreeSpaceEx_(root, freeToCaller, totalBytes, totalFree);
}

UINT CWin32Drives::SetErrorMode(UINT mode) {
  return ::SetErrorMode(mode);
}
