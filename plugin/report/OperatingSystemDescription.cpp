// The operating system in words: product name, edition, service pack and
// build, from the version record, with the registry for NT 4 before SP6 (no
// extended record) and for the SP6a hot-fix.
#include <cstring>

#include "plugin/report/ReportWriter.h"

namespace {

// The 95 family: major version 4; the second character of the service-pack
// text marks the later releases (OSR2, Second Edition).
struct Windows9xRelease {
  DWORD minor;
  const char* name;
  const char* marks;
  const char* markedName;
};
const Windows9xRelease windows9xReleases[] = {
    {0, "Microsoft Windows 95 ", "CB", "OSR2 "},
    {10, "Microsoft Windows 98 ", "AB", "SE "},
    {90, "Microsoft Windows Millennium Edition", "", ""},
};

// What the NT-family tables test besides the version.
struct NtSystem {
  DWORD major;
  DWORD minor;
  BYTE productType;  // 0 when only the plain record could be read
  WORD suiteMask;
  WORD nativeArchitecture;  // PROCESSOR_ARCHITECTURE_UNKNOWN unless fetched
  BOOL serverR2;
};

enum class NameTest { none, workstation, serverR2, workstationOnAmd64 };

// The product name: the first row whose version and test match.
struct ProductName {
  DWORD majorFrom, majorTo;
  int minor;  // -1: any
  NameTest test;
  const char* name;
  BOOL is64Bit;
};
const ProductName productNames[] = {
    {6, 6, 0, NameTest::workstation, "Microsoft Windows Vista ", FALSE},
    {6, 6, 0, NameTest::none, "Windows Server \"Longhorn\" ", FALSE},
    {5, 5, 2, NameTest::serverR2, "Microsoft Windows Server 2003 \"R2\" ", FALSE},
    {5, 5, 2, NameTest::workstationOnAmd64, "Microsoft Windows XP Professional x64 Edition ", TRUE},
    {5, 5, 2, NameTest::none, "Microsoft Windows Server 2003, ", FALSE},
    {5, 5, 1, NameTest::none, "Microsoft Windows XP ", FALSE},
    {5, 5, 0, NameTest::none, "Microsoft Windows 2000 ", FALSE},
    {0, 4, -1, NameTest::none, "Microsoft Windows NT ", FALSE},
};

// The systems the edition table tells apart; each system is of one kind.
enum class Kind { any, major4, server2003Ia64, server2003Amd64, server2003, windows2000, amd64 };
enum class SuiteTest { none, bit, exactly };

// The edition: the first row whose product class, kind and suite test match.
struct Edition {
  BOOL server;  // product types 2 and 3; otherwise type 1
  Kind kind;
  SuiteTest test;
  WORD suite;
  const char* name;
  BOOL is64Bit;
};
const Edition editions[] = {
    {FALSE, Kind::amd64, SuiteTest::none, 0, "", FALSE},
    {FALSE, Kind::major4, SuiteTest::none, 0, "Workstation 4.0 ", FALSE},
    {FALSE, Kind::any, SuiteTest::bit, VER_SUITE_PERSONAL, "Home Edition ", FALSE},
    {FALSE, Kind::any, SuiteTest::none, 0, "Professional ", FALSE},
    {TRUE, Kind::server2003Ia64, SuiteTest::bit, VER_SUITE_DATACENTER, "Datacenter Edition for Itanium-based Systems",
     TRUE},
    {TRUE, Kind::server2003Ia64, SuiteTest::bit, VER_SUITE_ENTERPRISE, "Enterprise Edition for Itanium-based Systems",
     TRUE},
    {TRUE, Kind::server2003Ia64, SuiteTest::none, 0, "", TRUE},
    {TRUE, Kind::server2003Amd64, SuiteTest::bit, VER_SUITE_DATACENTER, "Datacenter x64 Edition ", TRUE},
    {TRUE, Kind::server2003Amd64, SuiteTest::bit, VER_SUITE_ENTERPRISE, "Enterprise x64 Edition ", TRUE},
    {TRUE, Kind::server2003Amd64, SuiteTest::none, 0, "Standard x64 Edition ", TRUE},
    {TRUE, Kind::server2003, SuiteTest::bit, VER_SUITE_DATACENTER, "Datacenter Edition ", FALSE},
    {TRUE, Kind::server2003, SuiteTest::bit, VER_SUITE_ENTERPRISE, "Enterprise Edition ", FALSE},
    {TRUE, Kind::server2003, SuiteTest::exactly, VER_SUITE_BLADE, "Web Edition ", FALSE},
    {TRUE, Kind::server2003, SuiteTest::none, 0, "Standard Edition ", FALSE},
    {TRUE, Kind::windows2000, SuiteTest::bit, VER_SUITE_DATACENTER, "Datacenter Server ", FALSE},
    {TRUE, Kind::windows2000, SuiteTest::bit, VER_SUITE_ENTERPRISE, "Advanced Server ", FALSE},
    {TRUE, Kind::windows2000, SuiteTest::none, 0, "Server ", FALSE},
    {TRUE, Kind::any, SuiteTest::bit, VER_SUITE_ENTERPRISE, "Server 4.0, Enterprise Edition ", FALSE},
    {TRUE, Kind::any, SuiteTest::none, 0, "Server 4.0 ", FALSE},
};

// NT 4 before SP6 has no extended record; its product type is in the registry.
struct RegistryProductType {
  const char* value;
  const char* name;
};
const RegistryProductType registryProductTypes[] = {
    {"WINNT", "Workstation "},
    {"LANMANNT", "Server "},
    {"SERVERNT", "Advanced Server "},
};

const char* const productOptionsKey = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const char* const servicePack6aKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";
const DWORD productTypeCapacity = 80;

BOOL Is52(const NtSystem& system) {
  return system.major == 5 && system.minor == 2;
}

BOOL NameTestPasses(NameTest test, const NtSystem& system) {
  switch (test) {
    case NameTest::workstation: return system.productType == VER_NT_WORKSTATION;
    case NameTest::serverR2: return system.serverR2;
    case NameTest::workstationOnAmd64:
      return system.productType == VER_NT_WORKSTATION && system.nativeArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
    default: return TRUE;
  }
}

BOOL KindMatches(Kind kind, const NtSystem& system) {
  WORD architecture = system.nativeArchitecture;
  switch (kind) {
    case Kind::amd64: return architecture == PROCESSOR_ARCHITECTURE_AMD64;
    case Kind::major4: return system.major == 4;
    case Kind::server2003Ia64: return Is52(system) && architecture == PROCESSOR_ARCHITECTURE_IA64;
    case Kind::server2003Amd64: return Is52(system) && architecture == PROCESSOR_ARCHITECTURE_AMD64;
    case Kind::server2003: return Is52(system);
    case Kind::windows2000: return system.major == 5 && system.minor == 0;
    default: return TRUE;
  }
}

BOOL SuiteTestPasses(SuiteTest test, WORD suite, WORD mask) {
  switch (test) {
    case SuiteTest::bit: return (mask & suite) != 0;
    case SuiteTest::exactly: return mask == suite;
    default: return TRUE;
  }
}

CString DescribeWindows9x(const OSVERSIONINFOEXA& info) {
  if (info.dwMajorVersion != 4) return CString();
  for (const Windows9xRelease& release : windows9xReleases) {
    if (release.minor != info.dwMinorVersion) continue;
    CString text = release.name;
    char mark = info.szCSDVersion[0] ? info.szCSDVersion[1] : '\0';
    if (mark != '\0' && std::strchr(release.marks, mark)) text += release.markedName;
    return text + "\n";
  }
  return CString();
}

void AppendProductName(const NtSystem& system, CString& text, BOOL& is64BitOs) {
  for (const ProductName& row : productNames) {
    if (system.major < row.majorFrom || system.major > row.majorTo) continue;
    if (row.minor >= 0 && system.minor != (DWORD)row.minor) continue;
    if (!NameTestPasses(row.test, system)) continue;
    text += row.name;
    if (row.is64Bit) is64BitOs = TRUE;
    return;
  }
}

void AppendEdition(const NtSystem& system, CString& text, BOOL& is64BitOs) {
  BOOL server = system.productType == VER_NT_DOMAIN_CONTROLLER || system.productType == VER_NT_SERVER;
  if (system.productType != VER_NT_WORKSTATION && !server) return;
  for (const Edition& row : editions) {
    if (row.server != server || !KindMatches(row.kind, system)) continue;
    if (!SuiteTestPasses(row.test, row.suite, system.suiteMask)) continue;
    text += row.name;
    if (row.is64Bit) is64BitOs = TRUE;
    return;
  }
}

// FALSE when the value cannot be read.
BOOL AppendRegistryEdition(CRegistryApi& registry, const NtSystem& system, CString& text) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, productOptionsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return FALSE;
  }
  // One byte more than offered: a value stored without its terminator still
  // ends inside the buffer.
  char productType[productTypeCapacity + 1] = {};
  DWORD size = productTypeCapacity;
  LONG result = registry.RegQueryValueExA(key, "ProductType", nullptr, nullptr, (LPBYTE)productType, &size);
  registry.RegCloseKey(key);
  if (result != ERROR_SUCCESS || size > productTypeCapacity) return FALSE;
  productType[size] = '\0';
  for (const RegistryProductType& row : registryProductTypes) {
    if (CString(productType).CompareNoCase(row.value) == 0) text += row.name;
  }
  text.AppendFormat("%d.%d ", (int)system.major, (int)system.minor);
  return TRUE;
}

}  // namespace

BOOL CReportWriter::DescribeOperatingSystem(CString& text, BOOL& is64BitOs) {
  is64BitOs = FALSE;
  CSystemApi& system = machine.System();
  OSVERSIONINFOEXA info{};
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  BOOL extended = system.GetVersionExA((LPOSVERSIONINFOA)&info);
  if (!extended) {
    info = OSVERSIONINFOEXA{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!system.GetVersionExA((LPOSVERSIONINFOA)&info)) return FALSE;
  }
  info.szCSDVersion[sizeof(info.szCSDVersion) - 1] = '\0';

  CString description;
  BOOL is64Bit = FALSE;
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s: description = "Microsoft Win32s\n"; break;
    case VER_PLATFORM_WIN32_WINDOWS: description = DescribeWindows9x(info); break;
    case VER_PLATFORM_WIN32_NT: {
      NtSystem nt{info.dwMajorVersion,
                  info.dwMinorVersion,
                  extended ? info.wProductType : (BYTE)0,
                  extended ? info.wSuiteMask : (WORD)0,
                  PROCESSOR_ARCHITECTURE_UNKNOWN,
                  FALSE};
      // Only 5.2 tells its 64-bit editions and R2 apart by these.
      if (Is52(nt)) {
        if (system.HasNativeSystemInfo()) {
          SYSTEM_INFO native{};
          system.GetNativeSystemInfo(&native);
          nt.nativeArchitecture = native.wProcessorArchitecture;
        }
        nt.serverR2 = system.GetSystemMetrics(SM_SERVERR2) != 0;
      }
      AppendProductName(nt, description, is64Bit);
      if (extended) {
        AppendEdition(nt, description, is64Bit);
      } else if (!AppendRegistryEdition(machine.Registry(), nt, description)) {
        return FALSE;
      }

      CString servicePack = info.szCSDVersion;
      DWORD build = info.dwBuildNumber & 0xFFFF;
      HKEY hotfix = nullptr;
      if (nt.major == 4 && servicePack.CompareNoCase("Service Pack 6") == 0 &&
          machine.Registry().RegOpenKeyExA(HKEY_LOCAL_MACHINE, servicePack6aKey, 0, KEY_QUERY_VALUE, &hotfix) ==
              ERROR_SUCCESS) {
        machine.Registry().RegCloseKey(hotfix);
        servicePack = "Service Pack 6a";
      }
      description.AppendFormat("%s (Build %d)\n", (const char*)servicePack, (int)build);
      break;
    }
    default: break;
  }
  text = description;
  is64BitOs = is64Bit;
  return TRUE;
}
