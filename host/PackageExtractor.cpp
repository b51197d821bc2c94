#include "host/PackageExtractor.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

// Stored with another first byte so that the marker never occurs in the host
// image; the first byte is put right in a copy just before the search.
static const char storedMarker[] = "ABPSTART";

LONGLONG CPackageExtractor::FindMarker(CFile& file, const char* marker, int markerLength, int startOffset) {
  if (!marker || markerLength <= 0 || startOffset < 0) return -1;
  const size_t keep = (size_t)markerLength - 1;  // bytes a match may share with the next block
  const size_t blockSize = std::max<size_t>(64 * 1024, 4 * (size_t)markerLength);
  std::vector<char> window(keep + blockSize);
  const std::boyer_moore_horspool_searcher<const char*> searcher(marker, marker + markerLength);

  file.Seek(startOffset, CFile::begin);
  LONGLONG windowStart = startOffset;  // file offset of window[0]
  size_t filled = 0;
  for (;;) {
    UINT got = file.Read(window.data() + filled, (UINT)blockSize);
    if (got == 0) return -1;
    filled += got;
    const char* begin = window.data();
    const char* found = std::search(begin, begin + filled, searcher);
    if (found != begin + filled) return windowStart + (found - begin) + markerLength;
    size_t carried = std::min(keep, filled);
    std::memmove(window.data(), window.data() + filled - carried, carried);
    windowStart += (LONGLONG)(filled - carried);
    filled = carried;
  }
}

BOOL CPackageExtractor::ExtractPlugIn(CString& exePath, CString& tempPackagePath) {
  CString name;
  name.Format("%08lX.OBP", environment.GetTickCount());
  tempPackagePath = environment.GetFullPathName(name);
  exePath = environment.GetModuleFileName();

  CFile program;
  if (!program.Open(exePath, CFile::modeRead | CFile::shareDenyWrite)) {
    environment.ShowMessage("Failed to open exe");
    return FALSE;
  }
  CFile package;
  if (!package.Open(tempPackagePath, CFile::modeCreate | CFile::modeReadWrite)) {
    environment.ShowMessage("Failed to create temp obp storage");
    return FALSE;
  }

  char marker[sizeof storedMarker];
  std::memcpy(marker, storedMarker, sizeof marker);
  marker[0] = 'O';
  try {
    LONGLONG imageStart = FindMarker(program, marker, (int)std::strlen(marker), 0);
    if (imageStart < 0) return FALSE;
    program.Seek(imageStart, CFile::begin);
    std::unique_ptr<char[]> chunk(new char[copyChunkSize]);
    for (UINT got; (got = program.Read(chunk.get(), copyChunkSize)) != 0;) package.Write(chunk.get(), got);
    package.Close();
  } catch (const CFileException&) {
    // A failed read or write leaves an incomplete library: report failure
    // rather than let a torn image be loaded.
    return FALSE;
  }
  return TRUE;
}
