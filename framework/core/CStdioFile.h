// Buffered file with text mode done by the class itself, the same on every
// system: in text mode (the default unless typeBinary is given) each "\n"
// written is stored as CR LF; on reading, CR LF becomes "\n", a lone CR stays
// and a 0x1A byte ends the file. Write errors surface as CFileException when
// the buffer is written out: at the latest in Flush or Close.
#pragma once

#include <string>
#include <vector>

#include "framework/core/CFile.h"

class CStdioFile : public CFile {
 public:
  CStdioFile() = default;
  CStdioFile(const char* fileName, UINT openFlags);
  ~CStdioFile() override;

  BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr) override;
  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(LONGLONG offset, UINT from) override;
  ULONGLONG GetPosition() override;
  ULONGLONG GetLength() override;
  void Flush() override;
  void Close() override;
  void Abort() override;

  void WriteString(const char* text);
  // Reads one line without its "\n"; FALSE at the end of the file.
  BOOL ReadString(CString& line);
  // As fgets: at most maxCount - 1 characters, "\n" kept; null at the end.
  char* ReadString(char* buffer, UINT maxCount);

  BOOL IsTextMode() const { return textMode; }

 private:
  // Next byte of the file as text mode reads it, or -1 at its end.
  int NextChar();
  BOOL FillReadBuffer();
  void FlushWriteBuffer();
  void ResetBuffers();

  BOOL textMode = TRUE;
  BOOL sawEndMark = FALSE;  // a 0x1A byte ended the text
  std::vector<char> readBuffer;
  size_t readPos = 0;
  size_t readLength = 0;
  std::string writeBuffer;
};
