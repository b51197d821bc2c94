#include "framework/ui/CFileDialog.h"

#include <cstring>

#include "framework/ui/CWinApp.h"
#include "framework/ui/CWnd.h"

CFileDialog::CFileDialog(BOOL open, const char* extension, const char* fileName, DWORD flags, const char* filter,
                         CWnd* parent)
    : openFileDialog(open), filterText(filter), defaultExtension(extension) {
  if (fileName) std::strncpy(fileBuffer, fileName, sizeof fileBuffer - 1);
  // Windows 95 and NT 4 reject the newer, larger structure.
  m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
  m_ofn.hInstance = AfxGetResourceHandle();
  m_ofn.lpstrFile = fileBuffer;
  m_ofn.nMaxFile = sizeof fileBuffer;
  m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
  if (extension) m_ofn.lpstrDefExt = defaultExtension;
  if (filter) {
    // The system wants the pairs separated by NULs; CString holds them fine.
    for (int i = 0; i < filterText.GetLength(); ++i) {
      if (filterText.GetAt(i) == '|') filterText.SetAt(i, '\0');
    }
    m_ofn.lpstrFilter = filterText;
  }
}

INT_PTR CFileDialog::DoModal() {
  if (!m_ofn.hwndOwner) m_ofn.hwndOwner = CWnd::TopLevelOf(::GetActiveWindow());
  BOOL chosen = openFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
  return chosen ? IDOK : IDCANCEL;
}
