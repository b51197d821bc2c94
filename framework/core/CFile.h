// Unbuffered binary file over the system's file handles. Open reports failure
// through its result; every later operation on an open file throws
// CFileException when the system call fails.
#pragma once

#include "framework/core/CFileException.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CFile : public CObject {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile() = default;
  // Opens at once and throws CFileException when that fails.
  CFile(const char* fileName, UINT openFlags);
  // Closes an open file; errors at this point are not reported.
  ~CFile() override;
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // FALSE when the file cannot be opened; *error, if given, says why.
  virtual BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);
  // The number of bytes read; 0 at the end of the file.
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  // The new position from the file's beginning.
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  ULONGLONG SeekToBegin() { return Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition();
  virtual ULONGLONG GetLength();
  virtual void Flush();
  virtual void Close();
  // Closes without reporting errors: for cleaning up after a failure.
  virtual void Abort();

  BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
  const CString& GetFilePath() const { return m_strFileName; }

  static void Remove(const char* fileName);

  HANDLE m_hFile = INVALID_HANDLE_VALUE;

  DECLARE_DYNAMIC(CFile)

 protected:
  [[noreturn]] void ThrowOsError(LONG osError, const char* operation) const;
  CString m_strFileName;
};
