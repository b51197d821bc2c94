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
  if (data && length > 0) pending.append(data, (size_t)length);
}

CSmtpReplyReader::Result CSmtpReplyReader::TakeReply(int& code) {
  for (;;) {
    size_t newline = pending.find('\n', lineStart);
    if (newline == std::string::npos) return pending.size() > (size_t)maxReplyLength ? replyTooLong : replyIncomplete;
    if (newline + 1 > (size_t)maxReplyLength) return replyTooLong;
    // "250-text" lines continue the reply; any other line ends it, so a
    // server that speaks no SMTP cannot keep us reading.
    BOOL coded = HasCode(pending, lineStart, newline);
    if (coded && newline - lineStart >= 4 && pending[lineStart + 3] == '-') {
      lineStart = newline + 1;
      continue;
    }
    code = coded
               ? (pending[lineStart] - '0') * 100 + (pending[lineStart + 1] - '0') * 10 + (pending[lineStart + 2] - '0')
               : 0;
    pending.erase(0, newline + 1);
    lineStart = 0;
    return replyComplete;
  }
}

void CSmtpReplyReader::Reset() {
  pending.clear();
  lineStart = 0;
}
