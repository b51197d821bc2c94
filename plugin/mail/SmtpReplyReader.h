// Gathers the bytes of SMTP replies as they arrive and hands them out one
// complete reply at a time: every "250-" line up to the final line, however
// the server split it over its sends.
#pragma once

#include <string>

#include "framework/core/Win32Types.h"

class CSmtpReplyReader {
 public:
  enum Result { replyIncomplete, replyComplete, replyTooLong };
  // No honest reply comes near this; a server must not make us grow without end.
  static const int maxReplyLength = 64 * 1024;

  void Append(const char* data, int length);
  // replyComplete takes the oldest reply out and sets code from its final
  // line: the number in its first three characters, 0 unless all are digits.
  // Bytes behind that line stay for the next reply.
  Result TakeReply(int& code);
  void Reset();
  int GetPendingLength() const;  // bytes not yet handed out

 private:
  std::string pending;
  size_t replyStart = 0;  // where the oldest reply not yet taken begins
  size_t lineStart = 0;   // its first line not yet known to continue it
  size_t scanned = 0;     // no line end from lineStart up to here
};
