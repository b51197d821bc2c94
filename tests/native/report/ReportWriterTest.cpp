// The report run: the file, its header and frame, the progress it shows, and
// what happens when the file cannot be made or written.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/CTime.h"
#include "plugin/report/ReportWriter.h"
#include "tests/native/report/ReportRun.h"

namespace {

const std::string stars(70, '*');

CString GeneratedAt(const CTime& time) {
  return time.Format("%A, %B %d, %Y - %H:%M:%S");
}

TEST(ReportWriter, HeaderAndFrameByteForByte) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> machine = MakeMachine(dir, "{}");
  ASSERT_TRUE(machine);
  const std::string path = dir.File("ombdiag.log");
  CTime before = CTime::GetCurrentTime();
  ReportResult report = RunReport(*machine, path);
  CTime after = CTime::GetCurrentTime();
  ASSERT_TRUE(report.written);

  std::string bytes = dir.Read("ombdiag.log");
  std::string generated = "Technical Report Logfile generated ";
  size_t dateStart = bytes.find(generated) + generated.size();
  std::string date = bytes.substr(dateStart, bytes.find('\r', dateStart) - dateStart);
  EXPECT_TRUE(date == GeneratedAt(before).str() || date == GeneratedAt(after).str()) << date;
  const std::string header = "TRP Version: 1.0.105\r\n" + generated + date + "\r\n\r\nOriginal Filename: " + path +
                             "\r\n\r\nProblem Description:-\r\n" + stars + "\r\n\r\n\r\nComputer Details:-\r\n" +
                             stars + "\r\n                   OS: ";
  EXPECT_EQ(bytes.substr(0, header.size()), header);

  // Every section in its frame, in the fixed order; the last one ends the file.
  size_t computer = report.text.find("\n\n\nComputer Details:-\n" + stars + "\n");
  size_t network = report.text.find("\n\n\nNetwork Details:-\n" + stars + "\n");
  EXPECT_NE(computer, std::string::npos);
  EXPECT_NE(network, std::string::npos);
  EXPECT_LT(computer, network);
  EXPECT_EQ(report.text.substr(report.text.size() - 5), ":-\n\n\n");
}

TEST(ReportWriter, ShowsProgressAndStatus) {
  ReportResult report = RunReport("{}");
  EXPECT_EQ(report.progress,
            (std::vector<std::string>{"begin 7", "status: Retrieving System Details:", "step", "step"}));
}

TEST(ReportWriter, ReplacesAnExistingFile) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> machine = MakeMachine(dir, "{}");
  ASSERT_TRUE(machine);
  std::string junk;
  for (int i = 0; i < 10000; ++i) junk += "old report\r\n";
  dir.Write("ombdiag.log", junk);
  ReportResult first = RunReport(*machine, dir.File("ombdiag.log"));
  ReportResult second = RunReport(*machine, dir.File("ombdiag.log"));
  EXPECT_EQ(first.text.find("old report"), std::string::npos);
  EXPECT_EQ(second.text.rfind("TRP Version: ", std::string::npos), 0u);
  EXPECT_EQ(second.text.size(), first.text.size());
}

TEST(ReportWriter, FileThatCannotBeCreatedGivesOneMessageAndNoProgress) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> machine = MakeMachine(dir, "{}");
  ASSERT_TRUE(machine);
  for (const std::string& path : {dir.File("missing/ombdiag.log"), dir.path()}) {
    ReportResult report = RunReport(*machine, path);
    EXPECT_FALSE(report.written);
    EXPECT_EQ(report.progress, std::vector<std::string>{"failure: Failed to create log file."});
  }
  EXPECT_FALSE(dir.Exists("missing"));
}

#ifndef _WIN32
// A full disk: the run ends with the file classes' exception, not in the
// destructor where it could not be reported.
TEST(ReportWriter, WriteFailureLeavesTheRun) {
  TempDir dir;
  std::unique_ptr<CSimulatedMachine> machine = MakeMachine(dir, "{}");
  ASSERT_TRUE(machine);
  CRecordingProgress progress;
  EXPECT_THROW(CReportWriter("/dev/full", "", &progress, *machine), CFileException);
}
#endif

}  // namespace
