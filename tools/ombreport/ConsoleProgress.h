// Report progress on the console: a line "[step/steps] status" for every new
// status and step; the detail line, which changes for every file examined,
// only on a real console, where it is redrawn in place.
#pragma once

#include "framework/core/CString.h"
#include "plugin/report/ReportProgress.h"

class CConsoleProgress : public CReportProgress {
 public:
  // logPath: named in the failure message.
  explicit CConsoleProgress(const CString& logPath);

  void BeginProgress(int stepCount) override;
  void StepProgress() override;
  void ShowStatus(const CString& text) override;
  void ShowDetail(const CString& text) override;
  void ShowFailure(const CString& message) override;

 private:
  void PrintStatusLine();
  void EraseDetail();

  CString logPath;
  CString status;
  int position = 0;
  int steps = 0;
  BOOL console = FALSE;
  int detailWidth = 0;  // characters of the detail now on screen
};
