#include "plugin/mail/SmtpReplyReader.h"

namespace {

BOOL IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

BOOL HasCode(const std::string& text, size_t line, size_t lineEnd) {
  return lineEnd - line >= 3 && IsDigit(text[line]) && IsDigit(text[line + 1]) && IsDigit(text[line + 2]);
}

}  // namespace

void CSmtpReplyReader::Append(const char* data, int length) {
  if (!data || length <= 0) return;
  // Drop the replies already taken once they make up half the buffer, so
  // that many short replies cost no more than their bytes.
  if (replyStart > 0 && replyStart * 2 >= pending.size()) {
    pending.erase(0, replyStart);
    lineStart -= replyStart;
    scanned -= replyStart;
    replyStart = 0;
  }
  pending.append(data, (size_t)length);
}

CSmtpReplyReader::Result CSmtpReplyReader::TakeReply(int& code) {
  for (;;) {
    size_t newline = pending.find('\n', scanned);
    if (newline == std::string::npos) {
      // A server that sends a byte at a time must not make us scan again and again.
      scanned = pending.size();
      return pending.size() - replyStart > (size_t)maxReplyLength ? replyTooLong : replyIncomplete;
    }
    if (newline + 1 - replyStart > (size_t)maxReplyLength) return replyTooLong;
    // "250-text" lines continue the reply; any other line ends it, so a
    // server that speaks no SMTP cannot keep us reading.
    const size_t line = lineStart;
    BOOL coded = HasCode(pending, line, newline);
    lineStart = scanned = newline + 1;
    if (coded && newline - line >= 4 && pending[line + 3] == '-') continue;
    code = coded ? (pending[line] - '0') * 100 + (pending[line + 1] - '0') * 10 + (pending[line + 2] - '0') : 0;
    replyStart = lineStart;
    return replyComplete;
  }
}

int CSmtpReplyReader::GetPendingLength() const {
  return (int)(pending.size() - replyStart);
}

void CSmtpReplyReader::Reset() {
  pending.clear();
  replyStart = lineStart = scanned = 0;
}
