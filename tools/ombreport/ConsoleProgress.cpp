#include "tools/ombreport/ConsoleProgress.h"

#include <windows.h>

#include <cstdio>

namespace {
// One line of a standard 80-column console, less the cursor's column.
const int detailColumns = 79;
}  // namespace

CConsoleProgress::CConsoleProgress(const CString& logPath) : logPath(logPath) {
  // GetConsoleMode fails for files and pipes: only a console sees details.
  DWORD mode = 0;
  console = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

void CConsoleProgress::BeginProgress(int stepCount) {
  steps = stepCount;
  position = 0;
}

void CConsoleProgress::StepProgress() {
  if (position < steps) ++position;
  PrintStatusLine();
}

void CConsoleProgress::ShowStatus(const CString& text) {
  if (text == status) return;
  status = text;
  PrintStatusLine();
}

void CConsoleProgress::ShowDetail(const CString& text) {
  if (!console) return;
  EraseDetail();
  CString shown = text.Left(detailColumns);
  std::fputs(shown, stdout);
  std::fflush(stdout);
  detailWidth = shown.GetLength();
}

void CConsoleProgress::ShowFailure(const CString& message) {
  EraseDetail();
  std::fprintf(stderr, "%s\n%s\n", (const char*)message, (const char*)logPath);
}

void CConsoleProgress::PrintStatusLine() {
  EraseDetail();
  std::printf("[%d/%d] %s\n", position, steps, (const char*)status);
  std::fflush(stdout);
}

void CConsoleProgress::EraseDetail() {
  if (detailWidth == 0) return;
  std::printf("\r%*s\r", detailWidth, "");
  detailWidth = 0;
}
