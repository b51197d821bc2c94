#include <gtest/gtest.h>

#include "framework/core/CStdioFile.h"
#include "tests/native/TempDir.h"

namespace {

TEST(CStdioFile, TextModeWritesCrLf) {
  TempDir dir;
  CStdioFile file;
  ASSERT_TRUE(file.Open(dir.File("out.log").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
  file.WriteString("TRP Version: 1.0.105\n\nlone\rCR\n");
  file.WriteString("last line without end");
  file.Close();
  EXPECT_EQ(dir.Read("out.log"), "TRP Version: 1.0.105\r\n\r\nlone\rCR\r\nlast line without end");
}

TEST(CStdioFile, BinaryModeWritesBytesUnchanged) {
  TempDir dir;
  CStdioFile file(dir.File("bin").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
  file.WriteString("a\nb\r\n");
  file.Close();
  EXPECT_EQ(dir.Read("bin"), "a\nb\r\n");
}

TEST(CStdioFile, TextModeReading) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
      {"lf alone", "one\ntwo", {"one", "two"}},
      {"lone cr stays", "a\rb\r\r\nc", {"a\rb\r", "c"}},
      {"ctrl-z ends the file",
       std::string("kept\r\nalso\x1A"
                   "gone\r\n",
                   18),
       {"kept", "also"}},
      {"last line without end", "x\r\ny", {"x", "y"}},
      {"empty lines", "\r\n\r\n", {"", ""}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("in.txt", c.bytes);
    CStdioFile file;
    ASSERT_TRUE(file.Open(dir.File("in.txt").c_str(), CFile::modeRead));
    std::vector<std::string> lines;
    for (CString line; file.ReadString(line);) lines.push_back(line.str());
    EXPECT_EQ(lines, c.lines);
  }
}

TEST(CStdioFile, CrLfSplitAcrossTheReadBuffer) {
  // The pair straddles the 64 KiB read buffer: it must still become "\n".
  TempDir dir;
  std::string first(64 * 1024 - 1, 'a');
  dir.Write("in.txt", first + "\r\nb");
  CStdioFile file(dir.File("in.txt").c_str(), CFile::modeRead);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(line.GetLength(), (int)first.size());
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(file.ReadString(line));
}

TEST(CStdioFile, FgetsStyleReadKeepsTheLineEnd) {
  TempDir dir;
  dir.Write("in.txt", "abcdef\r\ngh");
  CStdioFile file(dir.File("in.txt").c_str(), CFile::modeRead);
  char buffer[5];
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "abcd");
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "ef\n");
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "gh");
  EXPECT_EQ(file.ReadString(buffer, sizeof buffer), nullptr);
}

TEST(CFile, SeekFromEachOrigin) {
  TempDir dir;
  dir.Write("f", "0123456789");
  CFile file;
  ASSERT_TRUE(file.Open(dir.File("f").c_str(), CFile::modeRead | CFile::shareDenyWrite));
  char c = 0;
  EXPECT_EQ(file.Seek(3, CFile::begin), 3u);
  file.Read(&c, 1);
  EXPECT_EQ(c, '3');
  EXPECT_EQ(file.Seek(2, CFile::current), 6u);
  EXPECT_EQ(file.Seek(-1, CFile::end), 9u);
  file.Read(&c, 1);
  EXPECT_EQ(c, '9');
  EXPECT_EQ(file.Read(&c, 1), 0u);
  EXPECT_EQ(file.GetLength(), 10u);
  EXPECT_THROW(file.Seek(-20, CFile::begin), CFileException);
}

TEST(CFile, OpenFailuresAreReportedNotThrown) {
  TempDir dir;
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(dir.File("missing").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_FALSE(file.Open(dir.File("no/such/dir/f").c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_FALSE(file.Open(dir.path().c_str(), CFile::modeRead));
  EXPECT_FALSE(file.Open("", CFile::modeRead));
  EXPECT_THROW(CStdioFile(dir.File("missing").c_str(), CFile::modeRead), CFileException);
}

TEST(CFile, ModeCreateTruncatesAndNoTruncateKeeps) {
  TempDir dir;
  dir.Write("f", "old contents");
  {
    CFile file(dir.File("f").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    file.Write("NEW", 3);
  }
  EXPECT_EQ(dir.Read("f"), "NEW contents");
  { CFile file(dir.File("f").c_str(), CFile::modeCreate | CFile::modeReadWrite); }
  EXPECT_EQ(dir.Read("f"), "");
}

#ifndef _WIN32
TEST(CFile, FailedWriteThrowsWithTheFileName) {
  // /dev/full accepts the open and refuses every write with "disk full".
  CStdioFile file;
  ASSERT_TRUE(file.Open("/dev/full", CFile::modeWrite));
  file.WriteString("buffered\n");
  try {
    file.Close();
    FAIL() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, CFileException::diskFull);
    EXPECT_EQ(e.GetErrorMessage(), "Failed to write the file \"/dev/full\". The disk is full.");
  }
  EXPECT_FALSE(file.IsOpen());
}
#endif

}  // namespace
