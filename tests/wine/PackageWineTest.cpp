// Unpacks the plug-in from a real package with the real system calls.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "host/Win32ExtractionEnvironment.h"

namespace {

std::string packagePath, plugInPath;

std::string ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The package stands in for the running program's own file.
class PackageEnvironment : public CWin32ExtractionEnvironment {
 public:
  CString GetModuleFileName() override { return CString(packagePath.c_str()); }
  void ShowMessage(const char* text) override { messages += text; }
  std::string messages;
};

TEST(PackageOnWine, UnpacksTheLibraryByteForByte) {
  PackageEnvironment environment;
  CString exePath, tempPackagePath;
  ASSERT_TRUE(CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath));
  EXPECT_EQ(environment.messages, "");
  // The name is "%08lX.OBP" in the current directory, held as a full path.
  char directory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, directory);
  std::string name = tempPackagePath.Mid(tempPackagePath.ReverseFind('\\') + 1).str();
  EXPECT_EQ(tempPackagePath.Left(tempPackagePath.ReverseFind('\\')).CompareNoCase(directory), 0);
  EXPECT_EQ(name.size(), 12u);
  EXPECT_EQ(name.find_first_not_of("0123456789ABCDEF"), 8u);
  EXPECT_EQ(name.substr(8), ".OBP");

  std::string unpacked = ReadAll(tempPackagePath);
  std::string expected = ReadAll(plugInPath.c_str());
  ASSERT_FALSE(expected.empty());
  EXPECT_TRUE(unpacked == expected) << "unpacked " << unpacked.size() << " bytes, library has " << expected.size();

  // The unpacked file is a library the loader accepts, with its entry.
  HMODULE library = LoadLibraryA(tempPackagePath);
  ASSERT_NE(library, nullptr);
  EXPECT_NE(GetProcAddress(library, "OmbrelPlugIn"), nullptr);
  FreeLibrary(library);
  EXPECT_TRUE(DeleteFileA(tempPackagePath));
}

TEST(PackageOnWine, ProgramWithoutMarkerLeavesAnEmptyFile) {
  PackageEnvironment environment;
  std::string saved = packagePath;
  packagePath = plugInPath;  // a library image has no marker
  CString exePath, tempPackagePath;
  EXPECT_FALSE(CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath));
  packagePath = saved;
  EXPECT_EQ(ReadAll(tempPackagePath), "");
  EXPECT_TRUE(DeleteFileA(tempPackagePath));
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: package_wine_tests PACKAGE PLUGIN\n");
    return 2;
  }
  packagePath = argv[1];
  plugInPath = argv[2];
  return RUN_ALL_TESTS();
}
