#include "framework/core/CFileException.h"

IMPLEMENT_DYNAMIC(CFileException, CObject)

CString CFileException::GetErrorMessage() const {
  const char* why = "";
  switch (m_cause) {
    case fileNotFound: why = " The file was not found."; break;
    case badPath: why = " The path is not valid."; break;
    case accessDenied: why = " Access was denied."; break;
    case sharingViolation: why = " The file is in use."; break;
    case diskFull: why = " The disk is full."; break;
    case hardIO: why = " A hardware error occurred."; break;
    default: break;
  }
  CString message;
  if (m_operation.IsEmpty()) {
    message.Format("The file \"%s\" could not be opened.%s", (const char*)m_strFileName, why);
  } else {
    message.Format("Failed to %s the file \"%s\".%s", (const char*)m_operation, (const char*)m_strFileName, why);
  }
  return message;
}
