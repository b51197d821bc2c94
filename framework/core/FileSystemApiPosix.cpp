// Linux has no share modes: the share flags of CFile are accepted and have no
// effect here, which the portable code does not rely on.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"
#include "framework/core/FileSystemApi.h"

namespace fsapi {

namespace {
int Fd(HANDLE file) {
  return (int)(intptr_t)file;
}
}  // namespace

HANDLE Open(const char* name, UINT flags, LONG* osError) {
  int mode = O_CLOEXEC;
  switch (flags & 3) {
    case CFile::modeRead: mode |= O_RDONLY; break;
    case CFile::modeWrite: mode |= O_WRONLY; break;
    default: mode |= O_RDWR; break;
  }
  if (flags & CFile::modeCreate) mode |= O_CREAT | ((flags & CFile::modeNoTruncate) ? 0 : O_TRUNC);
  int fd = open(name, mode, 0644);
  if (fd < 0) {
    *osError = errno;
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);  // Windows refuses to open a directory as a file
    *osError = EISDIR;
    return INVALID_HANDLE_VALUE;
  }
  return (HANDLE)(intptr_t)fd;
}

BOOL Read(HANDLE file, void* buffer, UINT count, UINT* done, LONG* osError) {
  ssize_t n;
  do {
    n = read(Fd(file), buffer, count);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    *osError = errno;
    return FALSE;
  }
  *done = (UINT)n;
  return TRUE;
}

BOOL Write(HANDLE file, const void* buffer, UINT count, LONG* osError) {
  const char* p = (const char*)buffer;
  while (count > 0) {
    ssize_t n = write(Fd(file), p, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *osError = n < 0 ? errno : ENOSPC;
      return FALSE;
    }
    p += n;
    count -= (UINT)n;
  }
  return TRUE;
}

BOOL Seek(HANDLE file, LONGLONG offset, UINT from, ULONGLONG* position, LONG* osError) {
  int whence = from == CFile::begin ? SEEK_SET : from == CFile::current ? SEEK_CUR : SEEK_END;
  off_t result = lseek(Fd(file), (off_t)offset, whence);
  if (result < 0) {
    *osError = errno;
    return FALSE;
  }
  *position = (ULONGLONG)result;
  return TRUE;
}

BOOL Flush(HANDLE, LONG*) {
  return TRUE;
}  // write() leaves nothing buffered here

BOOL Close(HANDLE file, LONG* osError) {
  if (close(Fd(file)) == 0) return TRUE;
  *osError = errno;
  return FALSE;
}

BOOL Remove(const char* name, LONG* osError) {
  if (unlink(name) == 0) return TRUE;
  *osError = errno;
  return FALSE;
}

int FileErrorCause(LONG osError) {
  switch (osError) {
    case ENOENT: return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return CFileException::badPath;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return CFileException::accessDenied;
    case EBADF: return CFileException::invalidFile;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return CFileException::diskFull;
    case EINVAL:
    case ESPIPE: return CFileException::badSeek;
    case EIO: return CFileException::hardIO;
    default: return CFileException::genericException;
  }
}

}  // namespace fsapi
