// ombreport [PATH]: writes the technical report to PATH (default ombdiag.log
// in the current directory) without the wizard, for unattended collection.
// Exit code 0: written; 1: the file could not be created or written;
// 2: wrong arguments.
#include <windows.h>

#include <cstdio>

#include "platform/win32/Win32Machine.h"
#include "plugin/report/ReportWriter.h"
#include "tools/ombreport/ConsoleProgress.h"

namespace {

// The header names the file by its full path, as the wizard's save dialog
// gives it.
CString FullPath(const char* path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path, sizeof(full), full, nullptr);
  if (length == 0 || length >= sizeof(full)) return path;
  return full;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: ombreport [PATH]\n");
    return 2;
  }
  CString logPath = FullPath(argc == 2 ? argv[1] : "ombdiag.log");
  CConsoleProgress progress(logPath);
  CWin32Machine machine;
  try {
    CReportWriter writer(logPath, "", &progress, machine);
    if (!writer.IsWritten()) return 1;
  } catch (const CFileException& error) {
    std::fprintf(stderr, "%s\n", (const char*)error.GetErrorMessage());
    return 1;
  }
  std::printf("Report written to %s\n", (const char*)logPath);
  return 0;
}
