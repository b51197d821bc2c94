#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"
#include "framework/core/FileSystemApi.h"

namespace fsapi {

HANDLE Open(const char* name, UINT flags, LONG* osError) {
  DWORD access = 0;
  switch (flags & 3) {
    case CFile::modeRead: access = GENERIC_READ; break;
    case CFile::modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
  }
  DWORD share = 0;
  switch (flags & 0x70) {
    case CFile::shareDenyWrite: share = FILE_SHARE_READ; break;
    case CFile::shareDenyRead: share = FILE_SHARE_WRITE; break;
    case CFile::shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;  // shareExclusive and shareCompat
  }
  DWORD creation = OPEN_EXISTING;
  if (flags & CFile::modeCreate) creation = (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (flags & CFile::modeNoInherit) ? FALSE : TRUE};
  HANDLE file = CreateFileA(name, access, share, &security, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) *osError = (LONG)GetLastError();
  return file;
}

BOOL Read(HANDLE file, void* buffer, UINT count, UINT* done, LONG* osError) {
  DWORD read = 0;
  if (!ReadFile(file, buffer, count, &read, nullptr)) {
    *osError = (LONG)GetLastError();
    return FALSE;
  }
  *done = read;
  return TRUE;
}

BOOL Write(HANDLE file, const void* buffer, UINT count, LONG* osError) {
  DWORD written = 0;
  if (!WriteFile(file, buffer, count, &written, nullptr)) {
    *osError = (LONG)GetLastError();
    return FALSE;
  }
  if (written != count) {
    *osError = ERROR_DISK_FULL;
    return FALSE;
  }
  return TRUE;
}

BOOL Seek(HANDLE file, LONGLONG offset, UINT from, ULONGLONG* position, LONG* osError) {
  LARGE_INTEGER distance, result;
  distance.QuadPart = offset;
  if (!SetFilePointerEx(file, distance, &result, from)) {
    *osError = (LONG)GetLastError();
    return FALSE;
  }
  *position = (ULONGLONG)result.QuadPart;
  return TRUE;
}

BOOL Flush(HANDLE file, LONG* osError) {
  if (FlushFileBuffers(file)) return TRUE;
  *osError = (LONG)GetLastError();
  return FALSE;
}

BOOL Close(HANDLE file, LONG* osError) {
  if (CloseHandle(file)) return TRUE;
  *osError = (LONG)GetLastError();
  return FALSE;
}

BOOL Remove(const char* name, LONG* osError) {
  if (DeleteFileA(name)) return TRUE;
  *osError = (LONG)GetLastError();
  return FALSE;
}

int FileErrorCause(LONG osError) {
  switch (osError) {
    case ERROR_FILE_NOT_FOUND: return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: return CFileException::badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return CFileException::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return CFileException::accessDenied;
    case ERROR_INVALID_HANDLE: return CFileException::invalidFile;
    case ERROR_SHARING_VIOLATION: return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION: return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return CFileException::diskFull;
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK: return CFileException::badSeek;
    case ERROR_CRC:
    case ERROR_GEN_FAILURE: return CFileException::hardIO;
    default: return CFileException::genericException;
  }
}

}  // namespace fsapi
