// Reads registry export files, "REGEDIT4" (ANSI) and "Windows Registry Editor
// Version 5.00" (UTF-16LE with a byte-order mark), into a registry held in
// memory. Takes keys of any root, "[-KEY]" key deletions, values in every
// form regedit writes ("string", dword:, hex:, hex(N):, "@" for the default
// value, "=-" deletions) and hex data continued over lines ending in a
// backslash. Text in a 5.00 file, string data included, is converted to the
// ANSI code page. The bytes are untrusted: anything else is refused.
#pragma once

#include <cstddef>

#include "framework/core/CString.h"
#include "platform/simulated/RegistryStore.h"

class CRegFileReader {
 public:
  // FALSE for a malformed file, with error "NAME:LINE: what is wrong"; the
  // store is changed only when the whole file was read.
  static BOOL Read(const BYTE* bytes, size_t size, const char* fileName, CRegistryStore& store, CString& error);
};
