// The OS line of the report over simulated machines of every kind that the
// description tells apart.
#include <gtest/gtest.h>

#include <string>

#include "tests/native/report/ReportRun.h"

namespace {

std::string Machine(const std::string& version, const std::string& more = "") {
  return "{\"version\": {" + version + "}" + (more.empty() ? "" : ", " + more) + "}";
}

std::string Version(int platform, int major, int minor, int build, const std::string& csd) {
  return "\"platformId\": " + std::to_string(platform) + ", \"major\": " + std::to_string(major) +
         ", \"minor\": " + std::to_string(minor) + ", \"build\": " + std::to_string(build) + ", \"csdVersion\": \"" +
         csd + "\"";
}

std::string Win9x(int minor, int build, const std::string& csd) {
  return Machine(Version(1, 4, minor, build, csd));
}

// An NT-family system with the extended record (from 5.0 on, and NT 4 SP6).
std::string Nt(int major, int minor, int build, const std::string& csd, int productType, int suite,
               const std::string& more = "") {
  return Machine(Version(2, major, minor, build, csd) + ", \"extended\": true, \"productType\": " +
                     std::to_string(productType) + ", \"suiteMask\": " + std::to_string(suite),
                 more);
}

// NT 4 before SP6: the plain record only.
std::string Nt4Plain(const std::string& csd) {
  return Machine(Version(2, 4, 0, 1381, csd) + ", \"extended\": false");
}

const std::string amd64 = "\"nativeProcessor\": {\"architecture\": 9}";
const std::string ia64 = "\"nativeProcessor\": {\"architecture\": 6}";
const std::string r2 = "\"metrics\": {\"SM_SERVERR2\": 1}";

std::string ProductType(const std::string& value) {
  return "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\ProductOptions]\r\n\"ProductType\"=" + value +
         "\r\n\r\n";
}
const std::string hotfix6a =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009]\r\n";

struct OsCase {
  const char* name;
  std::string machine;
  std::string registry;
  std::string description;  // "" also when the description fails
  BOOL is64BitOs;
};

// Test lists then show the case's name rather than its bytes.
void PrintTo(const OsCase& c, std::ostream* os) {
  *os << c.name;
}

const OsCase osCases[] = {
    {"Win32s", Machine(Version(0, 1, 30, 0, "")), "", "Microsoft Win32s\n", FALSE},
    {"95", Win9x(0, 950, ""), "", "Microsoft Windows 95 \n", FALSE},
    {"95 marked A", Win9x(0, 950, " A"), "", "Microsoft Windows 95 \n", FALSE},
    {"95 OSR2 B", Win9x(0, 1111, " B"), "", "Microsoft Windows 95 OSR2 \n", FALSE},
    {"95 OSR2 C", Win9x(0, 1212, " C"), "", "Microsoft Windows 95 OSR2 \n", FALSE},
    {"98", Win9x(10, 1998, " "), "", "Microsoft Windows 98 \n", FALSE},
    {"98 SE", Win9x(10, 2222, " A "), "", "Microsoft Windows 98 SE \n", FALSE},
    {"Me", Win9x(90, 3000, " "), "", "Microsoft Windows Millennium Edition\n", FALSE},
    {"95 family, unknown minor", Win9x(50, 1, ""), "", "", FALSE},
    {"95 family, major 5", Machine(Version(1, 5, 0, 1, "")), "", "", FALSE},
    {"NT 4 Workstation", Nt4Plain("Service Pack 5"), ProductType("\"WinNT\""),
     "Microsoft Windows NT Workstation 4.0 Service Pack 5 (Build 1381)\n", FALSE},
    {"NT 4 Server", Nt4Plain("Service Pack 3"), ProductType("\"LANMANNT\""),
     "Microsoft Windows NT Server 4.0 Service Pack 3 (Build 1381)\n", FALSE},
    {"NT 4 Enterprise", Nt4Plain("Service Pack 4"), ProductType("\"ServerNT\""),
     "Microsoft Windows NT Advanced Server 4.0 Service Pack 4 (Build 1381)\n", FALSE},
    {"NT 4 unknown product type", Nt4Plain(""), ProductType("\"Terminal\""), "Microsoft Windows NT 4.0  (Build 1381)\n",
     FALSE},
    {"NT 4 product type without terminator", Nt4Plain(""), ProductType("hex(1):57,49,4e,4e,54"),
     "Microsoft Windows NT Workstation 4.0  (Build 1381)\n", FALSE},
    {"NT 4 product type of 80 bytes", Nt4Plain(""), ProductType("\"" + std::string(79, 'W') + "\""),
     "Microsoft Windows NT 4.0  (Build 1381)\n", FALSE},
    {"NT 4 product type over 80 bytes", Nt4Plain(""), ProductType("\"" + std::string(80, 'W') + "\""), "", FALSE},
    {"NT 4 product type unreadable", Nt4Plain(""),
     "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\ProductOptions]\r\n", "", FALSE},
    {"NT 4 without product options", Nt4Plain(""), "", "", FALSE},
    {"NT 4 SP6 without the hot-fix", Nt(4, 0, 1381, "Service Pack 6", 1, 0), "",
     "Microsoft Windows NT Workstation 4.0 Service Pack 6 (Build 1381)\n", FALSE},
    {"NT 4 SP6a", Nt(4, 0, 1381, "Service Pack 6", 1, 0), hotfix6a,
     "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)\n", FALSE},
    {"NT 4 SP6a, other letter case", Nt(4, 0, 1381, "SERVICE pack 6", 3, 0), hotfix6a,
     "Microsoft Windows NT Server 4.0 Service Pack 6a (Build 1381)\n", FALSE},
    {"NT 4 SP6a plain record", Nt4Plain("service pack 6"), ProductType("\"WINNT\"") + hotfix6a,
     "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)\n", FALSE},
    {"NT 4 Server Enterprise", Nt(4, 0, 1381, "Service Pack 6", 3, 0x0002), "",
     "Microsoft Windows NT Server 4.0, Enterprise Edition Service Pack 6 (Build 1381)\n", FALSE},
    {"2000 Professional", Nt(5, 0, 2195, "Service Pack 4", 1, 0), "",
     "Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)\n", FALSE},
    {"2000 Server", Nt(5, 0, 2195, "", 3, 0), "", "Microsoft Windows 2000 Server  (Build 2195)\n", FALSE},
    {"2000 domain controller", Nt(5, 0, 2195, "", 2, 0), "", "Microsoft Windows 2000 Server  (Build 2195)\n", FALSE},
    {"2000 Advanced Server", Nt(5, 0, 2195, "Service Pack 2", 3, 0x0002), "",
     "Microsoft Windows 2000 Advanced Server Service Pack 2 (Build 2195)\n", FALSE},
    {"2000 Datacenter", Nt(5, 0, 2195, "Service Pack 1", 3, 0x0082), "",
     "Microsoft Windows 2000 Datacenter Server Service Pack 1 (Build 2195)\n", FALSE},
    {"XP Home", Nt(5, 1, 2600, "Service Pack 2", 1, 0x0300), "",
     "Microsoft Windows XP Home Edition Service Pack 2 (Build 2600)\n", FALSE},
    {"XP Professional, build in the low 16 bits", Nt(5, 1, 0x30000 + 2600, "Service Pack 2", 1, 0x0100), "",
     "Microsoft Windows XP Professional Service Pack 2 (Build 2600)\n", FALSE},
    {"XP x64", Nt(5, 2, 3790, "Service Pack 1", 1, 0, amd64), "",
     "Microsoft Windows XP Professional x64 Edition Service Pack 1 (Build 3790)\n", TRUE},
    {"2003 Standard", Nt(5, 2, 3790, "Service Pack 1", 3, 0), "",
     "Microsoft Windows Server 2003, Standard Edition Service Pack 1 (Build 3790)\n", FALSE},
    {"2003 Enterprise", Nt(5, 2, 3790, "", 2, 0x0002), "",
     "Microsoft Windows Server 2003, Enterprise Edition  (Build 3790)\n", FALSE},
    {"2003 Datacenter", Nt(5, 2, 3790, "", 3, 0x0082), "",
     "Microsoft Windows Server 2003, Datacenter Edition  (Build 3790)\n", FALSE},
    {"2003 Web", Nt(5, 2, 3790, "", 3, 0x0400), "", "Microsoft Windows Server 2003, Web Edition  (Build 3790)\n",
     FALSE},
    {"2003 blade with further bits", Nt(5, 2, 3790, "", 3, 0x0410), "",
     "Microsoft Windows Server 2003, Standard Edition  (Build 3790)\n", FALSE},
    {"2003 R2", Nt(5, 2, 3790, "Service Pack 2", 3, 0x0002, r2), "",
     "Microsoft Windows Server 2003 \"R2\" Enterprise Edition Service Pack 2 (Build 3790)\n", FALSE},
    {"2003 Standard x64", Nt(5, 2, 3790, "Service Pack 1", 3, 0, amd64), "",
     "Microsoft Windows Server 2003, Standard x64 Edition Service Pack 1 (Build 3790)\n", TRUE},
    {"2003 Enterprise x64", Nt(5, 2, 3790, "", 3, 0x0002, amd64), "",
     "Microsoft Windows Server 2003, Enterprise x64 Edition  (Build 3790)\n", TRUE},
    {"2003 Datacenter x64", Nt(5, 2, 3790, "", 3, 0x0082, amd64), "",
     "Microsoft Windows Server 2003, Datacenter x64 Edition  (Build 3790)\n", TRUE},
    {"2003 Datacenter IA64", Nt(5, 2, 3790, "Service Pack 1", 3, 0x0080, ia64), "",
     "Microsoft Windows Server 2003, Datacenter Edition for Itanium-based SystemsService Pack 1 (Build 3790)\n", TRUE},
    {"2003 Enterprise IA64", Nt(5, 2, 3790, "", 3, 0x0002, ia64), "",
     "Microsoft Windows Server 2003, Enterprise Edition for Itanium-based Systems (Build 3790)\n", TRUE},
    {"2003 IA64 without edition bits", Nt(5, 2, 3790, "", 3, 0, ia64), "",
     "Microsoft Windows Server 2003,  (Build 3790)\n", TRUE},
    {"2003 x64 without GetNativeSystemInfo",
     Nt(5, 2, 3790, "", 3, 0, amd64 + ", \"missing\": [\"GetNativeSystemInfo\"]"), "",
     "Microsoft Windows Server 2003, Standard Edition  (Build 3790)\n", FALSE},
    {"Vista", Nt(6, 0, 6000, "", 1, 0x0100, amd64), "", "Microsoft Windows Vista Professional  (Build 6000)\n", FALSE},
    {"Vista Home", Nt(6, 0, 6002, "Service Pack 2", 1, 0x0200), "",
     "Microsoft Windows Vista Home Edition Service Pack 2 (Build 6002)\n", FALSE},
    {"6.0 server", Nt(6, 0, 6001, "Service Pack 1", 3, 0), "",
     "Windows Server \"Longhorn\" Server 4.0 Service Pack 1 (Build 6001)\n", FALSE},
    {"6.0 server, enterprise", Nt(6, 0, 6001, "", 3, 0x0002), "",
     "Windows Server \"Longhorn\" Server 4.0, Enterprise Edition  (Build 6001)\n", FALSE},
    {"6.1", Nt(6, 1, 7601, "Service Pack 1", 1, 0x0100), "", "Professional Service Pack 1 (Build 7601)\n", FALSE},
    {"unknown platform", Machine(Version(3, 1, 0, 1, "")), "", "", FALSE},
    {"no version at all", Machine("\"fails\": true"), "", "", FALSE},
};

class OperatingSystemLine : public testing::TestWithParam<OsCase> {};

TEST_P(OperatingSystemLine, DescribesTheSystem) {
  const OsCase& c = GetParam();
  ReportResult report = RunReport(c.machine, c.registry);
  ASSERT_TRUE(report.written);
  EXPECT_EQ(Between(report.text, "\n                   OS: ", "     CPU Architecture: "), c.description);
  EXPECT_EQ(report.is64BitOs, c.is64BitOs);
  EXPECT_EQ(report.openKeys, 0);
}

INSTANTIATE_TEST_SUITE_P(Systems, OperatingSystemLine, testing::ValuesIn(osCases),
                         [](const testing::TestParamInfo<OsCase>& info) {
                           std::string name;
                           for (char ch : std::string(info.param.name))
                             name += std::isalnum((unsigned char)ch) ? ch : '_';
                           return name;
                         });

}  // namespace
