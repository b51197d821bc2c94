// Stands in for the host program in the package until the real one is built:
// unpacks the library carried behind the marker, loads it, initialises and
// releases it, and says on the console what happened.
#include <cstdio>

#include "host/Win32ExtractionEnvironment.h"
#include "plugin/protocol/PlugInProtocol.h"

namespace {
class ConsoleEnvironment : public CWin32ExtractionEnvironment {
 public:
  void ShowMessage(const char* text) override { std::printf("%s\n", text); }
};
}  // namespace

int main() {
  ConsoleEnvironment environment;
  CString exePath, tempPackagePath;
  if (!CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath)) {
    std::printf("Failed to unpack plugin. Contact your vendor,\n");
    DeleteFileA(tempPackagePath);
    return 1;
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes = {};
  GetFileAttributesExA(tempPackagePath, GetFileExInfoStandard, &attributes);
  std::printf("Unpacked the plug-in library from %s\n  to %s (%lu bytes)\n", (const char*)exePath,
              (const char*)tempPackagePath, (unsigned long)attributes.nFileSizeLow);

  int status = 1;
  HMODULE library = LoadLibraryA(tempPackagePath);
  auto entry = library ? (OmbrelPlugInProc)(void*)GetProcAddress(library, OMBREL_PLUGIN_ENTRY_NAME) : nullptr;
  PlugInInfo info = {};
  if (entry && entry(PIM_INIT, 0, 0, &info) == PIR_SUCCESS) {
    std::printf("Loaded \"%s\": %s\n", info.plugInName, info.plugInDescription);
    entry(PIM_RELEASE, 0, 0, info.context);
    status = 0;
  } else {
    std::printf("The unpacked library could not be loaded and initialised.\n");
  }
  if (library) FreeLibrary(library);
  DeleteFileA(tempPackagePath);
  return status;
}
