#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "host/PackageExtractor.h"
#include "tests/native/TempDir.h"

namespace {

class FakeEnvironment : public IExtractionEnvironment {
 public:
  FakeEnvironment(std::string modulePath, std::string directory)
      : modulePath(std::move(modulePath)), directory(std::move(directory)) {}
  DWORD GetTickCount() override { return 0x00ABCDEF; }
  CString GetModuleFileName() override { return CString(modulePath.c_str()); }
  CString GetFullPathName(const char* name) override {
    return CString((std::filesystem::path(directory) / name).string().c_str());
  }
  void ShowMessage(const char* text) override { messages.push_back(text); }

  std::string modulePath, directory;
  std::vector<std::string> messages;
};

std::string Pattern(size_t size, char seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = (char)(seed + i * 7 + i / 251);
  return bytes;
}

TEST(ExtractPlugIn, Packages) {
  const std::string marker = "OBPSTART";
  const std::string image = Pattern(2 * CPackageExtractor::copyChunkSize + 123, 'i');
  struct Case {
    const char* name;
    std::string package;
    bool extracted;
    std::string expectedImage;
  };
  const Case cases[] = {
      {"image over two chunks, short last chunk", Pattern(5000, 'h') + marker + image, true, image},
      {"marker is the last thing", "host image" + marker, true, ""},
      {"no marker", "host image OBPSTAR", false, ""},
      {"two markers: the second belongs to the image", "host" + marker + "lib" + marker + "tail", true,
       "lib" + marker + "tail"},
      {"a repeated first byte does not hide the marker", "hostOOBPSTARTlib", true, "lib"},
      {"overlapping near-miss", "OBPSTAROBPSTARTlib", true, "lib"},
      {"marker across the search's read blocks", std::string(64 * 1024 - 3, 'h') + marker + "lib", true, "lib"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("OMBUtil.exe", c.package);
    FakeEnvironment environment(dir.File("OMBUtil.exe"), dir.path());
    CString exePath, tempPackagePath;
    BOOL result = CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath);
    EXPECT_EQ(result != FALSE, c.extracted);
    EXPECT_EQ(exePath, dir.File("OMBUtil.exe").c_str());
    EXPECT_EQ(tempPackagePath, dir.File("00ABCDEF.OBP").c_str());
    ASSERT_TRUE(dir.Exists("00ABCDEF.OBP"));  // empty when no marker was found
    EXPECT_EQ(dir.Read("00ABCDEF.OBP"), c.expectedImage);
    EXPECT_TRUE(environment.messages.empty());
  }
}

TEST(ExtractPlugIn, FailuresShowTheirMessage) {
  struct Case {
    const char* name;
    std::string modulePath;  // relative to the test directory; "" for none
    std::string tempDirectory;
    const char* message;
  };
  const Case cases[] = {
      {"program path unknown", "", "", "Failed to open exe"},
      {"program file missing", "missing.exe", "", "Failed to open exe"},
      {"temporary file cannot be created", "OMBUtil.exe", "/no/such/dir", "Failed to create temp obp storage"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("OMBUtil.exe", "hostOBPSTARTlib");
    FakeEnvironment environment(c.modulePath.empty() ? "" : dir.File(c.modulePath),
                                c.tempDirectory.empty() ? dir.path() : c.tempDirectory);
    CString exePath, tempPackagePath;
    EXPECT_FALSE(CPackageExtractor(environment).ExtractPlugIn(exePath, tempPackagePath));
    EXPECT_EQ(environment.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(dir.Exists("00ABCDEF.OBP"));
    EXPECT_FALSE(tempPackagePath.IsEmpty());  // named before anything is opened
  }
}

TEST(FindMarker, HonoursTheStartOffset) {
  TempDir dir;
  dir.Write("f", "ABxABxAB");
  CFile file(dir.File("f").c_str(), CFile::modeRead);
  EXPECT_EQ(CPackageExtractor::FindMarker(file, "AB", 2, 0), 2);
  EXPECT_EQ(CPackageExtractor::FindMarker(file, "AB", 2, 1), 5);
  EXPECT_EQ(CPackageExtractor::FindMarker(file, "AB", 2, 7), -1);
  EXPECT_EQ(CPackageExtractor::FindMarker(file, "AB", 0, 0), -1);
}

}  // namespace
