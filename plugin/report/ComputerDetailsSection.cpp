// The first section: the header, then the system, processor, boot mode and
// display, memory, and one line per drive letter.
#include "plugin/report/ReportWriter.h"

namespace {

struct NamedValue {
  DWORD value;
  const char* name;
};

template <size_t count>
const char* NameOf(const NamedValue (&names)[count], DWORD value, const char* otherwise) {
  for (const NamedValue& entry : names) {
    if (entry.value == value) return entry.name;
  }
  return otherwise;
}

const NamedValue architectures[] = {
    {PROCESSOR_ARCHITECTURE_INTEL, "INTEL"},           {PROCESSOR_ARCHITECTURE_IA64, "IA64"},
    {PROCESSOR_ARCHITECTURE_AMD64, "x64 (AMD/Intel)"}, {PROCESSOR_ARCHITECTURE_IA32_ON_WIN64, "WOW64"},
    {PROCESSOR_ARCHITECTURE_UNKNOWN, "Unknown"},
};
const NamedValue processorTypes[] = {
    {PROCESSOR_INTEL_386, "Intel 386"},         {PROCESSOR_INTEL_486, "Intel 486"},
    {PROCESSOR_INTEL_PENTIUM, "Intel Pentium"}, {PROCESSOR_INTEL_IA64, "Intel IA64"},
    {PROCESSOR_AMD_X8664, "AMD X86 64"},
};
const NamedValue intelLevels[] = {
    {3, "Intel 386"}, {4, "Intel 486"}, {5, "Pentium"}, {6, "PentiumII"}, {7, "PentiumIII"},
};
const NamedValue bootModes[] = {
    {0, "Normal"},
    {1, "Safe Mode"},
    {2, "Safe Mode with network drivers"},
};
const NamedValue driveTypes[] = {
    {DRIVE_NO_ROOT_DIR, "Root Directory does not exist!! "},
    {DRIVE_REMOVABLE, "Removable Media "},
    {DRIVE_FIXED, "Fixed Disk Device "},
    {DRIVE_REMOTE, "Remote Disk Device "},
    {DRIVE_CDROM, "CD-ROM Drive "},
    {DRIVE_RAMDISK, "CD-ROM Drive "},
};

// The 95 family: 1 for 95, 2 for 98, 3 for Me; the NT family: 4.
WORD FamilyOf(const OSVERSIONINFOA& version) {
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS: return version.dwMinorVersion < 10 ? 1 : version.dwMinorVersion < 90 ? 2 : 3;
    case VER_PLATFORM_WIN32_NT: return 4;
    default: return 0;
  }
}

const char* TrueOrFalse(int metric) {
  return (metric & 1) ? "TRUE" : "FALSE";
}

}  // namespace

void CReportWriter::WriteComputerDetails() {
  CTime now = CTime::GetCurrentTime();
  is64BitOs = FALSE;
  ShowStatus("Retrieving System Details:");
  WriteHeader(now);

  // A failed description leaves the label alone; the next line continues it.
  CString description;
  Write("                   OS: ");
  DescribeOperatingSystem(description, is64BitOs);
  Write(description);

  CSystemApi& system = machine.System();
  osVersion = OSVERSIONINFOA{};
  osVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  system.GetVersionExA(&osVersion);
  osFamily = FamilyOf(osVersion);
  SYSTEM_INFO processor{};
  system.GetSystemInfo(&processor);
  WriteProcessorInfo(processor);
  WriteBlankLines(2);

  WriteDisplayAndBootInfo();
  WriteMemoryInfo();
  WriteBlankLines(2);
  WriteDriveList();
  WriteBlankLines(2);
}

void CReportWriter::WriteProcessorInfo(const SYSTEM_INFO& info) {
  CString text;
  text.Format("     CPU Architecture: %s\n", NameOf(architectures, info.wProcessorArchitecture, "Not known"));
  text.AppendFormat("             CPU Type: %s\n", NameOf(processorTypes, info.dwProcessorType, "Unknown"));
  if (info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL) {
    text.AppendFormat("                  CPU: %s\n", NameOf(intelLevels, info.wProcessorLevel, "Unknown"));
  }
  text.AppendFormat("   Processors Present: %ld\n", (LONG)info.dwNumberOfProcessors);
  Write(text);
}

void CReportWriter::WriteDisplayAndBootInfo() {
  CSystemApi& system = machine.System();
  CString text;
  text.Format("            Boot Mode: %s\n",
              NameOf(bootModes, (DWORD)system.GetSystemMetrics(SM_CLEANBOOT), "Unknown Boot Mode!"));
  text.AppendFormat("    Screen Resolution: %ld X %ld\n", (LONG)system.GetSystemMetrics(SM_CXSCREEN),
                    (LONG)system.GetSystemMetrics(SM_CYSCREEN));
  text.AppendFormat("      Network Present: %s\n", TrueOrFalse(system.GetSystemMetrics(SM_NETWORK)));
  text.AppendFormat("        Debug Windows: %s\n", TrueOrFalse(system.GetSystemMetrics(SM_DEBUG)));
  text.AppendFormat("    Slow Machine Flag: %s\n", TrueOrFalse(system.GetSystemMetrics(SM_SLOWMACHINE)));
  Write(text);
  WriteBlankLines(2);
}

void CReportWriter::WriteMemoryInfo() {
  MEMORYSTATUS memory{};
  memory.dwLength = sizeof(MEMORYSTATUS);
  machine.System().GlobalMemoryStatus(&memory);
  // Unsigned: 2 GB and more would print negative as signed 32-bit numbers.
  // The fields are as wide as the build's pointers, so print them whole.
  CString text;
  text.Format("Total Physical Memory: %I64u Bytes\n", (ULONGLONG)memory.dwTotalPhys);
  text.AppendFormat(" Free Physical Memory: %I64u Bytes\n", (ULONGLONG)memory.dwAvailPhys);
  text.AppendFormat("    Total Page Memory: %I64u Bytes\n", (ULONGLONG)memory.dwTotalPageFile);
  text.AppendFormat("     Free Page Memory: %I64u Bytes\n", (ULONGLONG)memory.dwAvailPageFile);
  Write(text);
}

void CReportWriter::WriteDriveList() {
  CDriveApi& drives = machine.Drives();
  DWORD mask = drives.GetLogicalDrives();
  for (int i = 0; i < 32; ++i) {
    if (!(mask & ((DWORD)1 << i))) continue;
    const char root[] = {(char)('a' + i), ':', '\\', '\0'};
    CString line;
    line.Format("%c: %s", 'A' + i, NameOf(driveTypes, drives.GetDriveTypeA(root), "Unknown Drive Type!! "));
    // A: is not asked for its size: that would spin up the floppy drive.
    if (i != 0) {
      // An empty removable or optical drive would otherwise stop the run with
      // the system's modal "no disk in the drive" box.
      UINT previousMode = drives.SetErrorMode(SEM_FAILCRITICALERRORS);
      AppendDiskSpace(root, line);
      drives.SetErrorMode(previousMode);
    }
    line += "\n";
    Write(line);
  }
}

BOOL CReportWriter::AppendDiskSpace(const char* root, CString& line) {
  CDriveApi& drives = machine.Drives();
  // The 64-bit query exists from NT 4 and from 95 OSR2 (builds above 1000) on.
  DWORD build = osVersion.dwBuildNumber & 0xFFFF;
  BOOL wide = osVersion.dwPlatformId == VER_PLATFORM_WIN32_NT ||
              (osVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && build > 1000);
  if (wide) {
    ULARGE_INTEGER toCaller{}, total{}, free{};
    if (!drives.HasDiskFreeSpaceEx() || !drives.GetDiskFreeSpaceExA(root, &toCaller, &total, &free)) return FALSE;
    line.AppendFormat(" Total: %I64d Bytes - Free: %I64d Bytes", (LONGLONG)total.QuadPart, (LONGLONG)free.QuadPart);
    return TRUE;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!drives.GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
    return FALSE;
  }
  DWORD bytesPerCluster = sectorsPerCluster * bytesPerSector;
  line.AppendFormat(" Total: %ld Bytes - Free: %ld Bytes", (LONG)(bytesPerCluster * totalClusters),
                    (LONG)(bytesPerCluster * freeClusters));
  return TRUE;
}
