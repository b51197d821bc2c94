// The client's work before and around a session, without a server.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "plugin/mail/SmtpClient.h"

namespace {

// Pattern letters: A an upper-case letter, a a lower-case one, 9 a digit,
// + a sign; anything else stands for itself.
bool MatchesShape(const std::string& text, const std::string& shape) {
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    bool ok = shape[i] == 'A'   ? c >= 'A' && c <= 'Z'
              : shape[i] == 'a' ? c >= 'a' && c <= 'z'
              : shape[i] == '9' ? c >= '0' && c <= '9'
              : shape[i] == '+' ? c == '+' || c == '-'
                                : c == shape[i];
    if (!ok) return false;
  }
  return true;
}

TEST(CSmtpClient, FormatsTheHeader) {
  CSmtpClient client("localhost", 25);
  CMailEnvelope envelope;
  envelope.sender = "me@here.example";
  envelope.subject = "Report";
  envelope.AddRecipient("ann@x.example", "Ann ");
  envelope.AddRecipient("bob@y.example", "");
  std::time_t before = std::time(nullptr);
  ASSERT_TRUE(client.FormatHeader(envelope));
  std::time_t after = std::time(nullptr);

  EXPECT_GE(envelope.sentTime.GetTime(), before);
  EXPECT_LE(envelope.sentTime.GetTime(), after);
  CString date = envelope.sentTime.Format("%a, %d %b %Y %H:%M:%S %z");
  EXPECT_TRUE(MatchesShape(date.str(), "Aaa, 99 Aaa 9999 99:99:99 +9999")) << date.str();
  EXPECT_EQ(envelope.header.str(), "Date: " + date.str() +
                                       "\r\nFrom: me@here.example\r\n"
                                       "To: Ann <ann@x.example>,<bob@y.example>\r\n"
                                       "Subject: Report\r\n"
                                       "X-Mailer: <XR Mail>\r\n\r\n");
}

TEST(CSmtpClient, RefusesAMailWithoutRecipients) {
  CSmtpClient client("localhost", 25);
  CMailEnvelope envelope;
  EXPECT_FALSE(client.PrepareMessage(envelope));
  EXPECT_EQ(client.GetLastErrorText(), "No Recipients");
  EXPECT_TRUE(envelope.header.IsEmpty());
}

TEST(CSmtpClient, RefusesAddressesThatWouldBreakTheCommandLine) {
  const struct {
    const char* sender;
    const char* recipient;
  } cases[] = {
      {"me@here.example\r\nRCPT TO: <victim@x.example>", "ann@x.example"},
      {"me@here.example", "ann@x.example>\r\nRSET"},
      {"me@here.example", "ann@x.example\nQUIT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.recipient);
    CSmtpClient client("localhost", 25);
    CMailEnvelope envelope;
    envelope.sender = c.sender;
    envelope.AddRecipient("bob@y.example", "");
    envelope.AddRecipient(c.recipient, "");
    EXPECT_FALSE(client.PrepareMessage(envelope));
    EXPECT_EQ(client.GetLastErrorText(), "Invalid address");
    EXPECT_TRUE(envelope.header.IsEmpty());
  }
}

TEST(CSmtpClient, EndsTheBodyWithALineEnd) {
  const struct {
    const char* body;
    const char* prepared;
  } cases[] = {{"", "\r\n"}, {"text", "text\r\n"}, {"text\r\n", "text\r\n"}, {"text\r", "text\r\r\n"}};
  CSmtpClient client("localhost", 25);
  for (const auto& c : cases) {
    CMailEnvelope envelope;
    envelope.AddRecipient("a@x", "");
    envelope.body = c.body;
    ASSERT_TRUE(client.PrepareMessage(envelope));
    EXPECT_EQ(envelope.body, c.prepared) << c.body;
  }
}

TEST(CSmtpClient, DoublesTheLeadingDotOfEveryLine) {
  const struct {
    const char* body;
    const char* stuffed;
  } cases[] = {
      {".\r\n", "..\r\n"},
      {"a\r\n.\r\n.\r\nb\r\n", "a\r\n..\r\n..\r\nb\r\n"},
      {".profile\r\n", "..profile\r\n"},
      {"a\r\n..two\r\n", "a\r\n...two\r\n"},
      {"a.b\r\nc .\r\n", "a.b\r\nc .\r\n"},
      {"a\n.b\r\n", "a\n.b\r\n"},  // a bare line feed ends no SMTP line
      {"", ""},
  };
  CSmtpClient client("localhost", 25);
  for (const auto& c : cases) {
    CMailEnvelope envelope;
    envelope.body = c.body;
    EXPECT_EQ(client.StuffBody(envelope), c.stuffed) << c.body;
    EXPECT_EQ(envelope.body, c.body);
  }
}

TEST(CSmtpClient, NeedsAConnection) {
  CSmtpClient client("127.0.0.1", 25);
  EXPECT_EQ(client.GetLastErrorText(), "OK");
  EXPECT_TRUE(client.Disconnect());
  EXPECT_EQ(client.GetLastErrorText(), "OK");

  CMailEnvelope envelope;
  envelope.AddRecipient("a@x", "");
  EXPECT_FALSE(client.SendMail(envelope));
  EXPECT_EQ(client.GetLastErrorText(), "Must be connected");
  EXPECT_TRUE(envelope.header.IsEmpty());
  EXPECT_FALSE(client.Transmit(envelope));
  EXPECT_EQ(client.GetLastErrorText(), "Must be connected");
}

TEST(CSmtpClient, ReportsAServerThatIsNotThere) {
  // Nothing listens on port 1 of the loopback address.
  CSmtpClient client("127.0.0.1", 1);
  EXPECT_FALSE(client.Connect());
  EXPECT_EQ(client.GetLastErrorText(), "Unable to connect to server");
}

TEST(CSmtpClient, KeepsServerProperties) {
  CSmtpClient client("mail.example", 25);
  EXPECT_EQ(client.GetXMailer(), "XR Mail");
  client.SetServerProperties(nullptr, 587);
  EXPECT_EQ(client.GetServerHost(), "mail.example");
  EXPECT_EQ(client.GetPort(), 25u);
  client.SetServerProperties("10.0.0.1", 2525);
  EXPECT_EQ(client.GetServerHost(), "10.0.0.1");
  EXPECT_EQ(client.GetPort(), 2525u);
}

}  // namespace
