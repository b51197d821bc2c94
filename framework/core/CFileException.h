// The exception the file classes throw when an operation on an open file
// fails (a write to a full disk, a read error). Thrown by value.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CFileException : public CObject {
 public:
  enum Cause {
    none = 0,
    genericException = 1,
    fileNotFound = 2,
    badPath = 3,
    tooManyOpenFiles = 4,
    accessDenied = 5,
    invalidFile = 6,
    removeCurrentDir = 7,
    directoryFull = 8,
    badSeek = 9,
    hardIO = 10,
    sharingViolation = 11,
    lockViolation = 12,
    diskFull = 13,
    endOfFile = 14,
  };

  CFileException() = default;
  CFileException(int cause, LONG osError, const char* fileName)
      : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

  // A sentence for the user naming the file and what failed.
  CString GetErrorMessage() const;

  int m_cause = none;
  LONG m_lOsError = 0;  // errno on Linux, GetLastError on Windows
  CString m_strFileName;
  CString m_operation;  // "read", "write", "seek" or "close"; empty for open

  DECLARE_DYNAMIC(CFileException)
};
