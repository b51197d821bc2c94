// The technical report: constructing a writer creates the log file and writes
// every section in a fixed order, showing progress on the given page;
// destroying it closes the file. Each section is one method.
#pragma once

#include "framework/core/CStdioFile.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "platform/Machine.h"
#include "plugin/report/ReportProgress.h"

class CReportWriter {
 public:
  // When the file cannot be created the page shows "Failed to create log
  // file." and nothing else happens. A failed write surfaces as the
  // CFileException of the file classes, out of this constructor.
  CReportWriter(const CString& logPath, const CString& problemText, CReportProgress* collectPage, CMachine& machine);
  virtual ~CReportWriter();
  CReportWriter(const CReportWriter&) = delete;
  CReportWriter& operator=(const CReportWriter&) = delete;

  // TRUE when the report was written.
  BOOL IsWritten() const { return written; }

  // The operating system in words, e.g. "Microsoft Windows 98 SE \n"; flags
  // the 64-bit editions it knows. FALSE, and text left as it was, when the
  // version cannot be read.
  BOOL DescribeOperatingSystem(CString& text, BOOL& is64BitOs);

  // 1 to 3: Windows 95, 98, Me; 4: the NT family; 0: neither. Derived from
  // osVersion as soon as the computer details have read it.
  WORD osFamily = 0;
  OSVERSIONINFOA osVersion{};
  CStdioFile logFile;
  CString logPath;
  CString problemText;
  BOOL is64BitOs = FALSE;
  CReportProgress* collectPage = nullptr;

 private:
  static const char* const failureMessage;

  void WriteComputerDetails();
  void WriteHeader(const CTime& now);
  void WriteProcessorInfo(const SYSTEM_INFO& info);
  void WriteDisplayAndBootInfo();
  void WriteMemoryInfo();
  void WriteDriveList();
  BOOL AppendDiskSpace(const char* root, CString& line);
  void WriteNetworkDetails();
  void WriteName(const char* label, BOOL (CSystemApi::*query)(LPSTR, LPDWORD));
  void ListTransports();

  void WriteBlankLines(int count);
  void WriteStarRule(int count);
  void WriteSectionTitle(const char* title);
  void Write(const char* text) { logFile.WriteString(text); }

  void StepProgress();
  void ShowStatus(const CString& text);
  void ShowDetail(const CString& text);

  CMachine& machine;
  BOOL written = FALSE;
};
