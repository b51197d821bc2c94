// Runs the report over a simulated machine built for one test and gives back
// what a caller can see: the file, the writer's flags and the progress calls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/simulated/SimulatedMachine.h"
#include "plugin/report/ReportProgress.h"
#include "tests/native/TempDir.h"

// Records every call as one text: "begin 7", "step", "status: ...",
// "detail: ...", "failure: ...".
class CRecordingProgress : public CReportProgress {
 public:
  void BeginProgress(int stepCount) override { calls.push_back("begin " + std::to_string(stepCount)); }
  void StepProgress() override { calls.push_back("step"); }
  void ShowStatus(const CString& text) override { calls.push_back("status: " + text.str()); }
  void ShowDetail(const CString& text) override { calls.push_back("detail: " + text.str()); }
  void ShowFailure(const CString& message) override { calls.push_back("failure: " + message.str()); }

  std::vector<std::string> calls;
};

struct ReportResult {
  std::string text;  // the file with its CR LF line ends made "\n"
  BOOL written = FALSE;
  BOOL is64BitOs = FALSE;
  WORD osFamily = 0;
  std::vector<std::string> progress;
  int criticalErrorBoxes = 0;
  int openKeys = 0;
};

// A machine from a machine.json text and, if given, a REGEDIT4 body (the
// header is added) in a folder of dir.
std::unique_ptr<CSimulatedMachine> MakeMachine(const TempDir& dir, const std::string& json,
                                               const std::string& regBody = "");

ReportResult RunReport(CSimulatedMachine& machine, const std::string& path);
// Both at once, writing dir/ombdiag.log.
ReportResult RunReport(const std::string& json, const std::string& regBody = "");

// What stands between the first from and the next to after it.
std::string Between(const std::string& text, const std::string& from, const std::string& to);
// The body of the section whose title is title: what its star rule is
// followed by, up to the two empty lines that end it.
std::string SectionBody(const std::string& text, const std::string& title);
