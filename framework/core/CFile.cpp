#include "framework/core/CFile.h"

#include "framework/core/FileSystemApi.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile(const char* fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error)) throw error;
}

CFile::~CFile() {
  if (IsOpen()) CFile::Abort();
}

BOOL CFile::Open(const char* fileName, UINT openFlags, CFileException* error) {
  if (IsOpen()) Abort();
  m_strFileName = fileName ? fileName : "";
  LONG osError = 0;
  HANDLE file = fileName && *fileName ? fsapi::Open(fileName, openFlags, &osError) : INVALID_HANDLE_VALUE;
  if (file == INVALID_HANDLE_VALUE) {
    if (error) {
      *error = CFileException(fileName && *fileName ? fsapi::FileErrorCause(osError) : CFileException::badPath, osError,
                              m_strFileName);
    }
    return FALSE;
  }
  m_hFile = file;
  return TRUE;
}

void CFile::ThrowOsError(LONG osError, const char* operation) const {
  CFileException error(fsapi::FileErrorCause(osError), osError, m_strFileName);
  error.m_operation = operation;
  throw error;
}

UINT CFile::Read(void* buffer, UINT count) {
  if (count == 0) return 0;
  UINT done = 0;
  LONG osError = 0;
  if (!fsapi::Read(m_hFile, buffer, count, &done, &osError)) ThrowOsError(osError, "read");
  return done;
}

void CFile::Write(const void* buffer, UINT count) {
  if (count == 0) return;
  LONG osError = 0;
  if (!fsapi::Write(m_hFile, buffer, count, &osError)) ThrowOsError(osError, "write");
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  ULONGLONG position = 0;
  LONG osError = 0;
  if (!fsapi::Seek(m_hFile, offset, from, &position, &osError)) ThrowOsError(osError, "seek in");
  return position;
}

ULONGLONG CFile::GetPosition() {
  return CFile::Seek(0, current);
}

ULONGLONG CFile::GetLength() {
  ULONGLONG here = GetPosition();
  ULONGLONG length = CFile::Seek(0, end);
  CFile::Seek((LONGLONG)here, begin);
  return length;
}

void CFile::Flush() {
  LONG osError = 0;
  if (IsOpen() && !fsapi::Flush(m_hFile, &osError)) ThrowOsError(osError, "write");
}

void CFile::Close() {
  if (!IsOpen()) return;
  HANDLE file = m_hFile;
  m_hFile = INVALID_HANDLE_VALUE;
  LONG osError = 0;
  if (!fsapi::Close(file, &osError)) ThrowOsError(osError, "close");
}

void CFile::Abort() {
  if (!IsOpen()) return;
  LONG ignored = 0;
  fsapi::Close(m_hFile, &ignored);
  m_hFile = INVALID_HANDLE_VALUE;
}

void CFile::Remove(const char* fileName) {
  LONG osError = 0;
  if (!fsapi::Remove(fileName, &osError)) {
    CFileException error(fsapi::FileErrorCause(osError), osError, fileName);
    error.m_operation = "remove";
    throw error;
  }
}
