// The common open and save dialogs.
#pragma once

#include "framework/core/CString.h"
// After <windows.h>, which it needs.
#include <commdlg.h>

class CWnd;

class CFileDialog {
 public:
  // filter: pairs of description and pattern separated by '|', ending with
  // "||", e.g. "Log files (*.log)|*.log|All files (*.*)|*.*||".
  explicit CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                       CWnd* parent = nullptr);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  // IDOK when the user chose a file, IDCANCEL when the user cancelled or the
  // dialog failed (CommDlgExtendedError tells which).
  virtual INT_PTR DoModal();
  virtual ~CFileDialog() = default;

  CString GetPathName() const { return CString(fileBuffer); }
  CString GetFileName() const { return CString(fileBuffer + m_ofn.nFileOffset); }

  OPENFILENAMEA m_ofn = {};

 private:
  BOOL openFileDialog;
  CString filterText;  // with NULs in place of '|'
  CString defaultExtension;
  char fileBuffer[MAX_PATH * 2] = "";
};
