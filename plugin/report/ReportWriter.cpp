#include "plugin/report/ReportWriter.h"

namespace {

// The bar counts the first seven sections; the last two run with it full.
const int progressSteps = 7;
// The log format's own version, fixed in the report code.
const int formatMajor = 1;
const int formatMinor = 0;
const int formatBuild = 105;

const CString& StarRuleText() {
  static const CString text = CString("\n") + CString('*', 70) + "\n";
  return text;
}

}  // namespace

const char* const CReportWriter::failureMessage = "Failed to create log file.";

CReportWriter::CReportWriter(const CString& logPath, const CString& problemText, CReportProgress* collectPage,
                             CMachine& machine)
    : machine(machine) {
  // Created or emptied, write only, not shared, text mode.
  if (!logFile.Open(logPath, CFile::modeCreate | CFile::modeWrite)) {
    collectPage->ShowFailure(failureMessage);
    return;
  }
  this->logPath = logPath;
  this->problemText = problemText;
  this->collectPage = collectPage;
  collectPage->BeginProgress(progressSteps);

  WriteComputerDetails();
  StepProgress();
  WriteNetworkDetails();
  StepProgress();
  // Sections not written yet, in their places: the vendor files list, port
  // information, installed packages, control-panel entries and the services
  // dump, each followed by StepProgress; then the NT device information, only
  // when osFamily is 4, and the printer details.

  // Write errors surface here, inside the run, rather than in the destructor,
  // which has no way to report them.
  logFile.Flush();
  written = TRUE;
}

CReportWriter::~CReportWriter() {
  try {
    logFile.Close();
  } catch (const CFileException&) {
    // Everything was flushed at the end of the run; nothing is lost here.
  }
}

void CReportWriter::WriteHeader(const CTime& now) {
  CString version;
  version.Format("TRP Version: %d.%d.%d\n", formatMajor, formatMinor, formatBuild);
  Write(version);
  Write("Technical Report Logfile generated ");
  Write(now.Format("%A, %B %d, %Y - %H:%M:%S"));
  WriteBlankLines(2);
  Write("Original Filename: ");
  Write(logPath);
  WriteBlankLines(2);
  WriteSectionTitle("Problem Description:-");
  Write(problemText);
  WriteBlankLines(2);
  WriteSectionTitle("Computer Details:-");
}

void CReportWriter::WriteBlankLines(int count) {
  for (int i = 0; i < count; ++i) Write("\n");
}

void CReportWriter::WriteStarRule(int count) {
  for (int i = 0; i < count; ++i) Write(StarRuleText());
}

void CReportWriter::WriteSectionTitle(const char* title) {
  Write(title);
  WriteStarRule(1);
}

void CReportWriter::StepProgress() {
  collectPage->StepProgress();
}

void CReportWriter::ShowStatus(const CString& text) {
  collectPage->ShowStatus(text);
}

void CReportWriter::ShowDetail(const CString& text) {
  collectPage->ShowDetail(text);
}
