// extract_package PACKAGE: unpacks the plug-in from PACKAGE into the current
// directory with the host's own extraction, as the program does at start.
#include <cstdio>
#include <filesystem>

#include "host/PackageExtractor.h"

namespace {
class PackageEnvironment : public IExtractionEnvironment {
 public:
  explicit PackageEnvironment(const char* package) : package(package) {}
  DWORD GetTickCount() override { return 0x0BE4C400; }
  CString GetModuleFileName() override { return CString(package); }
  CString GetFullPathName(const char* name) override {
    return CString(std::filesystem::absolute(name).string().c_str());
  }
  void ShowMessage(const char* text) override { std::fprintf(stderr, "%s\n", text); }

 private:
  const char* package;
};
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: extract_package PACKAGE\n");
    return 2;
  }
  PackageEnvironment environment(argv[1]);
  CString exePath, tempPackagePath;
  return CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath) ? 0 : 1;
}
