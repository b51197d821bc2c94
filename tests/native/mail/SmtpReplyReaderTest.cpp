#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/mail/SmtpReplyReader.h"

namespace {

struct ReplyCase {
  const char* name;
  std::vector<std::string> chunks;  // as the server's sends arrive
  std::vector<int> codes;           // the replies taken, in order
  CSmtpReplyReader::Result last;    // what the reader says after them
};

TEST(CSmtpReplyReader, TakesOneCompleteReplyAtATime) {
  const std::string longLine = "250-" + std::string(1020, 'x') + "\r\n";
  std::string overlong;
  while (overlong.size() <= (size_t)CSmtpReplyReader::maxReplyLength) overlong += longLine;
  const ReplyCase cases[] = {
      {"one line", {"250 ok\r\n"}, {250}, CSmtpReplyReader::replyIncomplete},
      {"split code", {"25", "0 ok\r\n"}, {250}, CSmtpReplyReader::replyIncomplete},
      {"split line end", {"221 bye\r", "\n"}, {221}, CSmtpReplyReader::replyIncomplete},
      {"multi-line", {"250-a\r\n250-b\r\n", "250 c\r\n"}, {250}, CSmtpReplyReader::replyIncomplete},
      {"final line decides", {"250-a\r\n550 no\r\n"}, {550}, CSmtpReplyReader::replyIncomplete},
      {"continuation only", {"220-a\r\n220-b\r\n"}, {}, CSmtpReplyReader::replyIncomplete},
      {"two replies", {"220 hi\r\n250 next\r\n"}, {220, 250}, CSmtpReplyReader::replyIncomplete},
      {"rest waits", {"250 ok\r\n354 go"}, {250}, CSmtpReplyReader::replyIncomplete},
      {"bare code", {"250\r\n"}, {250}, CSmtpReplyReader::replyIncomplete},
      {"bare line feed", {"354 go\n"}, {354}, CSmtpReplyReader::replyIncomplete},
      {"letters", {"hello there\r\n"}, {0}, CSmtpReplyReader::replyIncomplete},
      {"two digits", {"25 x\r\n"}, {0}, CSmtpReplyReader::replyIncomplete},
      {"digits after a letter", {"2x0 x\r\n"}, {0}, CSmtpReplyReader::replyIncomplete},
      {"empty line", {"\r\n"}, {0}, CSmtpReplyReader::replyIncomplete},
      {"overlong multi-line", {overlong + "250 end\r\n"}, {}, CSmtpReplyReader::replyTooLong},
      {"overlong line", {std::string(CSmtpReplyReader::maxReplyLength + 1, '2')}, {}, CSmtpReplyReader::replyTooLong},
      {"longest allowed",
       {std::string(CSmtpReplyReader::maxReplyLength - 2, '2') + "\r\n"},
       {222},
       CSmtpReplyReader::replyIncomplete},
  };
  for (const ReplyCase& c : cases) {
    CSmtpReplyReader reader;
    std::vector<int> codes;
    CSmtpReplyReader::Result result = CSmtpReplyReader::replyIncomplete;
    for (const std::string& chunk : c.chunks) {
      reader.Append(chunk.data(), (int)chunk.size());
      int code = -1;
      while ((result = reader.TakeReply(code)) == CSmtpReplyReader::replyComplete) codes.push_back(code);
    }
    EXPECT_EQ(codes, c.codes) << c.name;
    EXPECT_EQ(result, c.last) << c.name;
  }
}

}  // namespace
