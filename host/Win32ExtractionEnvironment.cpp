#include "host/Win32ExtractionEnvironment.h"

#include <vector>

DWORD CWin32ExtractionEnvironment::GetTickCount() {
  return ::GetTickCount();
}

CString CWin32ExtractionEnvironment::GetModuleFileName() {
  // A path that fills the buffer may have been cut short (and, on XP, left
  // unterminated): try again with more room rather than open the wrong file.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return CString();
    if (length < size) return CString(buffer.data(), (int)length);
  }
  return CString();
}

CString CWin32ExtractionEnvironment::GetFullPathName(const char* name) {
  char buffer[MAX_PATH];
  char* filePart = nullptr;
  DWORD length = ::GetFullPathNameA(name, sizeof buffer, buffer, &filePart);
  // Should the directory be too deep for a full path, the bare name still
  // works as long as the current directory does not change.
  if (length == 0 || length >= sizeof buffer) return CString(name);
  return CString(buffer, (int)length);
}

void CWin32ExtractionEnvironment::ShowMessage(const char* text) {
  CString program = GetModuleFileName();
  int slash = program.ReverseFind('\\');
  CString caption = program.Mid(slash + 1);
  int dot = caption.ReverseFind('.');
  if (dot > 0) caption = caption.Left(dot);
  ::MessageBoxA(nullptr, text, caption, MB_OK);
}
