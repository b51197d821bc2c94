// The block-wise marker search must find exactly what a plain byte-by-byte
// search finds. Input: marker length (1..16), the marker, a start offset
// byte, then the file's bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/PackageExtractor.h"

namespace {

long long ReferenceSearch(const std::string& data, const std::string& marker, size_t start) {
  for (size_t i = start; i + marker.size() <= data.size(); ++i) {
    if (data.compare(i, marker.size(), marker) == 0) return (long long)(i + marker.size());
  }
  return -1;
}

std::string ScratchFile() {
  auto name = "omb-fuzz-find-marker-" + std::to_string((long)getpid());
  return (std::filesystem::temp_directory_path() / name).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 2) return 0;
  size_t markerLength = bytes[0] % 16 + 1;
  if (size < 1 + markerLength + 1) return 0;
  std::string marker((const char*)bytes + 1, markerLength);
  size_t start = bytes[1 + markerLength];
  std::string data((const char*)bytes + 2 + markerLength, size - 2 - markerLength);
  // Stretch small inputs across the search's 64 KiB blocks now and then.
  if (start & 0x80) data = std::string(64 * 1024 - 3, data.empty() ? 'x' : data[0]) + data;

  static const std::string path = ScratchFile();
  {
    CFile out(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    out.Write(data.data(), (UINT)data.size());
  }
  CFile in(path.c_str(), CFile::modeRead);
  long long found = CPackageExtractor::FindMarker(in, marker.data(), (int)markerLength, (int)start);
  long long expected = ReferenceSearch(data, marker, start);
  if (found != expected) {
    std::fprintf(stderr, "FindMarker gave %lld, expected %lld\n", found, expected);
    std::abort();
  }
  return 0;
}
