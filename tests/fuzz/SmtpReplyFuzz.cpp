// Server replies arriving in pieces. However the bytes are split, the reader
// must hand out the same replies as from one piece, and never more bytes than
// it was given. Input: a byte that sets the piece size (its top two bits set
// stretch the input past the reply size limit), then the server's bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "plugin/mail/SmtpReplyReader.h"

namespace {

// The codes of the replies taken, then -1 for an incomplete rest or -2 when
// a reply grew too long.
std::vector<int> ReadAll(const std::string& data, size_t piece) {
  CSmtpReplyReader reader;
  std::vector<int> codes;
  for (size_t at = 0; at < data.size(); at += piece) {
    size_t length = data.size() - at < piece ? data.size() - at : piece;
    reader.Append(data.data() + at, (int)length);
    int code = -1;
    CSmtpReplyReader::Result result;
    while ((result = reader.TakeReply(code)) == CSmtpReplyReader::replyComplete) {
      if (code < 0 || code > 999) std::abort();
      codes.push_back(code);
    }
    if (reader.GetPendingLength() > (int)data.size()) std::abort();
    if (result == CSmtpReplyReader::replyTooLong) {
      codes.push_back(-2);
      return codes;
    }
  }
  codes.push_back(-1);
  return codes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1) return 0;
  size_t piece = bytes[0] % 64 + 1;
  std::string data((const char*)bytes + 1, size - 1);
  if ((bytes[0] & 0xC0) == 0xC0 && !data.empty()) {
    while (data.size() <= (size_t)CSmtpReplyReader::maxReplyLength) data += data;
    piece *= 16;  // receive-sized pieces keep the long runs quick
  }
  std::vector<int> whole = ReadAll(data, data.size() + 1);
  std::vector<int> pieces = ReadAll(data, piece);
  if (whole != pieces) {
    std::fprintf(stderr, "%zu replies read whole, %zu in pieces of %zu\n", whole.size(), pieces.size(), piece);
    std::abort();
  }
  return 0;
}
