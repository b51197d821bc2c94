// The network-details section: user and computer names, and the transports
// the 95 family keeps in its registry.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "plugin/report/ReportWriter.h"
#include "tests/native/report/ReportRun.h"

namespace {

const std::string win98 =
    R"("version": {"platformId": 1, "major": 4, "minor": 10, "build": 67766222, "csdVersion": " A "})";
const std::string netTrans = "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans";

TEST(NetworkDetails, NamesThatDoNotFitLeaveTheLabelAlone) {
  struct Case {
    std::string user;
    std::string computer;
    const char* lines;
  };
  const Case cases[] = {
      {"user1", "OFFICE-PC1", "    User Name: user1\nComputer Name: OFFICE-PC1\n"},
      {"fifteen-chars-u", "FIFTEEN-CHARS-C", "    User Name: fifteen-chars-u\nComputer Name: FIFTEEN-CHARS-C\n"},
      {"sixteen-chars-us", "SIXTEEN-CHARS-CO", "    User Name: \nComputer Name: \n"},
      {"", "", "    User Name: \nComputer Name: \n"},
  };
  for (const Case& c : cases) {
    ReportResult report = RunReport(R"({"userName": ")" + c.user + R"(", "computerName": ")" + c.computer + R"("})");
    EXPECT_EQ(SectionBody(report.text, "Network Details:-"), std::string(c.lines) + "   Transports:-\n") << c.user;
  }
}

TEST(NetworkDetails, ListsTransportsInRegistryOrder) {
  const std::string registry =
      netTrans + "]\r\n\r\n" +                                                                     //
      netTrans + "\\0000]\r\n\"DriverDesc\"=\"TCP/IP\"\r\n\"IPAddress\"=\"192.0.2.15\"\r\n\r\n" +  //
      netTrans + "\\" + std::string(255, '0') + "]\r\n\"DriverDesc\"=\"Name too long\"\r\n\r\n" + netTrans +
      "\\0001]\r\n\"DriverDesc\"=\"NetBEUI\"\r\n\r\n" +  //
      netTrans + "\\0002]\r\n\"DriverDesc\"=\"IPX/SPX-compatible Protocol\"\r\n\"IPAddress\"=\"\"\r\n\r\n" + netTrans +
      "\\0003]\r\n\"IPAddress\"=\"192.0.2.16\"\r\n\r\n" +                                 //
      netTrans + "\\0004]\r\n\"DriverDesc\"=\"" + std::string(255, 'D') + "\"\r\n\r\n" +  //
      netTrans + "\\0005]\r\n\"DriverDesc\"=\"" + std::string(254, 'E') + "\"\r\n\"IPAddress\"=\"" +
      std::string(255, '1') + "\"\r\n\r\n" +  //
      netTrans + "\\0006]\r\n\"DriverDesc\"=\"Dial-Up Adapter\"\r\n\"IPAddress\"=\"0.0.0.0\"\r\n";
  ReportResult report = RunReport("{" + win98 + "}", registry);
  EXPECT_EQ(SectionBody(report.text, "Network Details:-"),
            "    User Name: user1\nComputer Name: OFFICE-PC1\n   Transports:-\n"
            "\tTCP/IP | 192.0.2.15\n"
            "\tNetBEUI\n"
            "\tIPX/SPX-compatible Protocol\n"
            "\t" +
                std::string(254, 'E') +
                "\n"
                "\tDial-Up Adapter | 0.0.0.0\n");
  EXPECT_EQ(report.openKeys, 0);
}

// The NT family has no such key; an empty key lists nothing either. The
// section ends the file so far.
TEST(NetworkDetails, NoTransportKeyGivesNoLines) {
  const std::string expected = "Network Details:-\n" + std::string(70, '*') +
                               "\n    User Name: user1\nComputer Name: OFFICE-PC1\n   Transports:-\n\n\n";
  for (const std::string& machine : {std::string("{}"), "{" + win98 + "}"}) {
    for (const std::string& registry : {std::string(), netTrans + "]\r\n"}) {
      ReportResult report = RunReport(machine, registry);
      ASSERT_GE(report.text.size(), expected.size());
      EXPECT_EQ(report.text.substr(report.text.size() - expected.size()), expected) << machine << registry;
    }
  }
}

// Enumeration that fails at every index, as for a key handle the system has
// invalidated: the listing must end rather than ask forever.
class CFailingEnumRegistry : public CRegistryApi {
 public:
  explicit CFailingEnumRegistry(CRegistryApi& inner) : inner(inner) {}
  LONG RegOpenKeyA(HKEY key, LPCSTR subKey, HKEY* result) override { return inner.RegOpenKeyA(key, subKey, result); }
  LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result) override {
    return inner.RegOpenKeyExA(key, subKey, options, access, result);
  }
  LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) override {
    return inner.RegQueryValueExA(key, name, reserved, type, data, size);
  }
  LONG RegEnumKeyA(HKEY, DWORD, LPSTR, DWORD) override {
    if (++calls > 1000) throw std::runtime_error("the enumeration never ends");
    return ERROR_ACCESS_DENIED;
  }
  LONG RegEnumKeyExA(HKEY, DWORD, LPSTR, LPDWORD, LPDWORD, LPSTR, LPDWORD, PFILETIME) override {
    return ERROR_ACCESS_DENIED;
  }
  LONG RegEnumValueA(HKEY, DWORD, LPSTR, LPDWORD, LPDWORD, LPDWORD, LPBYTE, LPDWORD) override {
    return ERROR_ACCESS_DENIED;
  }
  LONG RegCloseKey(HKEY key) override { return inner.RegCloseKey(key); }

  int calls = 0;

 private:
  CRegistryApi& inner;
};

class CMachineWithRegistry : public CMachine {
 public:
  CMachineWithRegistry(CMachine& inner, CRegistryApi& registry) : inner(inner), registry(registry) {}
  CSystemApi& System() override { return inner.System(); }
  CDriveApi& Drives() override { return inner.Drives(); }
  CRegistryApi& Registry() override { return registry; }

 private:
  CMachine& inner;
  CRegistryApi& registry;
};

TEST(NetworkDetails, FailingEnumerationEndsTheList) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> simulated = MakeMachine(dir, "{" + win98 + "}", netTrans + "\\0000]\r\n");
  ASSERT_TRUE(simulated);
  CFailingEnumRegistry registry(simulated->Registry());
  CMachineWithRegistry machine(*simulated, registry);
  CRecordingProgress progress;
  { CReportWriter writer(dir.File("ombdiag.log").c_str(), "", &progress, machine); }
  EXPECT_EQ(registry.calls, 1);
  std::string text = dir.Read("ombdiag.log");
  EXPECT_EQ(text.substr(text.size() - 21), "   Transports:-\r\n\r\n\r\n");
  EXPECT_EQ(simulated->OpenKeys(), 0);
}

}  // namespace
