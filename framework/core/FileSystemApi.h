// The few operating-system file calls behind CFile, one implementation per
// system. Each returns FALSE on failure and leaves the system's error code in
// *osError; FileErrorCause maps such a code to a CFileException cause.
#pragma once

#include "framework/core/Win32Types.h"

namespace fsapi {
HANDLE Open(const char* name, UINT openFlags, LONG* osError);  // INVALID_HANDLE_VALUE on failure
BOOL Read(HANDLE file, void* buffer, UINT count, UINT* done, LONG* osError);
BOOL Write(HANDLE file, const void* buffer, UINT count, LONG* osError);  // all bytes or failure
BOOL Seek(HANDLE file, LONGLONG offset, UINT from, ULONGLONG* position, LONG* osError);
BOOL Flush(HANDLE file, LONG* osError);
BOOL Close(HANDLE file, LONG* osError);
BOOL Remove(const char* name, LONG* osError);
int FileErrorCause(LONG osError);
}  // namespace fsapi
