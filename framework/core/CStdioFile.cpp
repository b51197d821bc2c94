#include "framework/core/CStdioFile.h"

#include <cstring>

namespace {
const size_t bufferSize = 64 * 1024;
const char endOfTextMark = 0x1A;
}  // namespace

CStdioFile::CStdioFile(const char* fileName, UINT openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error)) throw error;
}

CStdioFile::~CStdioFile() {
  if (!IsOpen()) return;
  try {
    FlushWriteBuffer();
  } catch (const CFileException&) {
    // A destructor cannot report; callers that care call Close.
  }
  CFile::Abort();
}

BOOL CStdioFile::Open(const char* fileName, UINT openFlags, CFileException* error) {
  if (IsOpen()) Abort();
  ResetBuffers();
  textMode = (openFlags & typeBinary) ? FALSE : TRUE;
  return CFile::Open(fileName, openFlags & ~(UINT)(typeText | typeBinary), error);
}

void CStdioFile::ResetBuffers() {
  readPos = readLength = 0;
  sawEndMark = FALSE;
  writeBuffer.clear();
}

void CStdioFile::FlushWriteBuffer() {
  if (writeBuffer.empty()) return;
  std::string pending;
  pending.swap(writeBuffer);
  CFile::Write(pending.data(), (UINT)pending.size());
}

BOOL CStdioFile::FillReadBuffer() {
  FlushWriteBuffer();
  if (readBuffer.empty()) readBuffer.resize(bufferSize);
  // Keep what is unread (at most a CR waiting for its LF) at the front.
  size_t kept = readLength - readPos;
  std::memmove(readBuffer.data(), readBuffer.data() + readPos, kept);
  readPos = 0;
  readLength = kept;
  UINT got = CFile::Read(readBuffer.data() + kept, (UINT)(readBuffer.size() - kept));
  readLength += got;
  return got > 0;
}

int CStdioFile::NextChar() {
  if (sawEndMark) return -1;
  if (readPos == readLength && !FillReadBuffer()) return -1;
  char c = readBuffer[readPos];
  if (!textMode) {
    ++readPos;
    return (unsigned char)c;
  }
  if (c == endOfTextMark) {
    sawEndMark = TRUE;
    return -1;
  }
  if (c == '\r') {
    if (readPos + 1 == readLength) FillReadBuffer();
    if (readPos + 1 < readLength && readBuffer[readPos + 1] == '\n') {
      readPos += 2;
      return '\n';
    }
  }
  ++readPos;
  return (unsigned char)c;
}

UINT CStdioFile::Read(void* buffer, UINT count) {
  char* out = (char*)buffer;
  UINT done = 0;
  for (int c; done < count && (c = NextChar()) >= 0;) out[done++] = (char)c;
  return done;
}

void CStdioFile::Write(const void* buffer, UINT count) {
  // Writing after reading continues where reading stopped.
  if (readPos != readLength) Seek(0, current);
  const char* text = (const char*)buffer;
  if (!textMode) {
    writeBuffer.append(text, count);
  } else {
    for (const char *p = text, *end = text + count; p < end;) {
      const char* lineEnd = (const char*)std::memchr(p, '\n', (size_t)(end - p));
      if (!lineEnd) {
        writeBuffer.append(p, (size_t)(end - p));
        break;
      }
      writeBuffer.append(p, (size_t)(lineEnd - p));
      writeBuffer.append("\r\n", 2);
      p = lineEnd + 1;
    }
  }
  if (writeBuffer.size() >= bufferSize) FlushWriteBuffer();
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from) {
  if (from == current) {
    offset += (LONGLONG)GetPosition();
    from = begin;
  }
  FlushWriteBuffer();
  readPos = readLength = 0;
  sawEndMark = FALSE;
  return CFile::Seek(offset, from);
}

ULONGLONG CStdioFile::GetPosition() {
  FlushWriteBuffer();
  return CFile::Seek(0, current) - (readLength - readPos);
}

ULONGLONG CStdioFile::GetLength() {
  FlushWriteBuffer();
  return CFile::GetLength();
}

void CStdioFile::Flush() {
  FlushWriteBuffer();
}

void CStdioFile::Close() {
  if (!IsOpen()) return;
  try {
    FlushWriteBuffer();
  } catch (...) {
    CFile::Abort();
    ResetBuffers();
    throw;
  }
  ResetBuffers();
  CFile::Close();
}

void CStdioFile::Abort() {
  ResetBuffers();
  CFile::Abort();
}

void CStdioFile::WriteString(const char* text) {
  if (text) Write(text, (UINT)std::strlen(text));
}

BOOL CStdioFile::ReadString(CString& line) {
  std::string text;
  int c = NextChar();
  if (c < 0) {
    line.Empty();
    return FALSE;
  }
  for (; c >= 0 && c != '\n'; c = NextChar()) text += (char)c;
  line = CString(text);
  return TRUE;
}

char* CStdioFile::ReadString(char* buffer, UINT maxCount) {
  if (!buffer || maxCount == 0) return nullptr;
  UINT n = 0;
  while (n + 1 < maxCount) {
    int c = NextChar();
    if (c < 0) break;
    buffer[n++] = (char)c;
    if (c == '\n') break;
  }
  buffer[n] = '\0';
  return n == 0 && maxCount > 1 ? nullptr : buffer;
}
