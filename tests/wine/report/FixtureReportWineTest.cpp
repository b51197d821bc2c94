// A report of the real machine must agree with a report of the simulated one
// wherever the fixture decides a line. This program runs in a Wine prefix
// that scripts/wine-machine.sh built from the fixture named on the command
// line (its Windows version, registry and drive letters), writes one report
// through the Win32 calls and one from the same fixture loaded as a
// simulated machine, and compares the OS line, the section titles, the drive
// letters with their types, and the transports.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/simulated/SimulatedMachine.h"
#include "platform/win32/Win32Machine.h"
#include "plugin/report/ReportWriter.h"
#include "tests/native/TempDir.h"

namespace {

const char* fixtureFolder = nullptr;

class CSilentProgress : public CReportProgress {
 public:
  void BeginProgress(int) override {}
  void StepProgress() override {}
  void ShowStatus(const CString&) override {}
  void ShowDetail(const CString&) override {}
  void ShowFailure(const CString& message) override { ADD_FAILURE() << message.str(); }
};

std::vector<std::string> ReportLines(CMachine& machine, const std::string& path) {
  CSilentProgress progress;
  { CReportWriter writer(path.c_str(), "", &progress, machine); }
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Matching(const std::vector<std::string>& lines, bool (*wanted)(const std::string&)) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (wanted(line)) found.push_back(line);
  }
  return found;
}

bool IsOsLine(const std::string& line) {
  return line.rfind("                   OS: ", 0) == 0;
}

bool IsTitle(const std::string& line) {
  return line.size() > 2 && line.compare(line.size() - 2, 2, ":-") == 0;
}

bool IsTransport(const std::string& line) {
  return !line.empty() && line[0] == '\t';
}

// "C: Fixed Disk Device" from a drive line; empty for other lines.
std::string DriveAndType(const std::string& line) {
  if (line.size() < 4 || line[1] != ':' || line[2] != ' ' || line[0] < 'A' || line[0] > 'Z') return "";
  return line.substr(0, line.find(" Total: "));
}

TEST(FixtureReport, WineAgreesWithTheSimulatedMachine) {
  ASSERT_NE(fixtureFolder, nullptr) << "usage: report_fixture_wine_tests FIXTURE";
  CString error;
  std::unique_ptr<CSimulatedMachine> simulated = CSimulatedMachine::Load(fixtureFolder, error);
  ASSERT_TRUE(simulated) << error.str();
  CWin32Machine real;
  TempDir dir;
  std::vector<std::string> wine = ReportLines(real, dir.File("wine.log"));
  std::vector<std::string> expected = ReportLines(*simulated, dir.File("simulated.log"));

  EXPECT_EQ(Matching(wine, IsOsLine), Matching(expected, IsOsLine));
  EXPECT_EQ(Matching(wine, IsTitle), Matching(expected, IsTitle));
  EXPECT_EQ(Matching(wine, IsTransport), Matching(expected, IsTransport));
  // Wine adds drives of its own (P:, the checkout); the fixture's must be there.
  std::vector<std::string> wineDrives;
  for (const std::string& line : wine) wineDrives.push_back(DriveAndType(line));
  for (const std::string& line : expected) {
    std::string drive = DriveAndType(line);
    if (drive.empty()) continue;
    EXPECT_NE(std::find(wineDrives.begin(), wineDrives.end(), drive), wineDrives.end()) << drive;
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) fixtureFolder = argv[1];
  return RUN_ALL_TESTS();
}
