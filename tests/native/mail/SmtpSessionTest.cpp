// Sessions with the SMTP servers that mail_servers.py runs: aiosmtpd, and
// scripted servers for the paths a real one does not take. The folder that
// lists their ports is the program's argument.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "plugin/mail/SmtpClient.h"

namespace {

std::string serverFolder;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

UINT PortOf(const std::string& server) {
  std::istringstream ports(ReadFile(serverFolder + "/ports"));
  std::string name;
  UINT port = 0;
  while (ports >> name >> port) {
    if (name == server) return port;
  }
  ADD_FAILURE() << "no port for " << server << " in " << serverFolder;
  return 0;
}

std::string LocalHostName() {
  char name[80];
  return AfxGetHostName(name, sizeof name) && name[0] ? name : "localhost";
}

TEST(SmtpSession, DeliversToARealServer) {
  CSmtpClient client("127.0.0.1", PortOf("real"));
  ASSERT_TRUE(client.Connect()) << client.GetLastErrorText();

  CMailEnvelope mail;
  mail.sender = "delivery@test.example";
  mail.subject = "Technical Report";
  ASSERT_TRUE(mail.AddMultipleRecipients("Ann Smith <ann@test.example>;refused@test.example;bob@test.example"));
  // Lines that begin with dots, and no line end at the end.
  mail.body = "Line one\r\n.\r\n.profile\r\n..two dots\r\n\r\n.\r\nlast";
  ASSERT_TRUE(client.SendMail(mail)) << client.GetLastErrorText();
  // The refused recipient is all that went wrong.
  EXPECT_EQ(client.GetLastErrorText(), "550:SMTP server error");

  // A second mail in the same session.
  CMailEnvelope second;
  second.sender = "second@test.example";
  second.AddRecipient("carol@test.example", "Carol ");
  second.body = "short\r\n";
  ASSERT_TRUE(client.SendMail(second)) << client.GetLastErrorText();
  EXPECT_TRUE(client.Disconnect()) << client.GetLastErrorText();

  const std::string inbox = serverFolder + "/inbox/";
  EXPECT_EQ(ReadFile(inbox + "delivery@test.example.env"),
            "delivery@test.example\nann@test.example\nbob@test.example\n");
  EXPECT_EQ(mail.body, "Line one\r\n.\r\n.profile\r\n..two dots\r\n\r\n.\r\nlast\r\n");
  // The data ends with the body's line end and then the empty line before
  // the final dot.
  EXPECT_EQ(ReadFile(inbox + "delivery@test.example.eml"), mail.header.str() + mail.body.str() + "\r\n");
  EXPECT_NE(mail.header.Find("\r\nTo: Ann Smith <ann@test.example>,<refused@test.example>,<bob@test.example>\r\n"), -1);
  EXPECT_EQ(ReadFile(inbox + "second@test.example.env"), "second@test.example\ncarol@test.example\n");
  EXPECT_EQ(ReadFile(inbox + "second@test.example.eml"), second.header.str() + "short\r\n\r\n");
}

TEST(SmtpSession, SendsExactlyTheDialogue) {
  CSmtpClient client("127.0.0.1", PortOf("recorder"));
  ASSERT_TRUE(client.Connect()) << client.GetLastErrorText();
  EXPECT_TRUE(client.Connect());  // no second greeting
  CMailEnvelope mail;
  mail.sender = "me@test.example";
  mail.AddRecipient("you@test.example", "You ");
  mail.AddRecipient("", "");
  mail.body = ".";
  ASSERT_TRUE(client.SendMail(mail)) << client.GetLastErrorText();
  EXPECT_TRUE(client.Disconnect());
  EXPECT_TRUE(client.Disconnect());  // no second QUIT

  EXPECT_EQ(ReadFile(serverFolder + "/transcripts/recorder.log"), "HELO " + LocalHostName() +
                                                                      "\r\n"
                                                                      "MAIL From: <me@test.example>\r\n"
                                                                      "RCPT TO: <you@test.example>\r\n"
                                                                      "RCPT TO: <>\r\n"
                                                                      "DATA\r\n" +
                                                                      mail.header.str() + "..\r\n\r\n.\r\nQUIT\r\n");
}

struct ScriptedCase {
  const char* server;
  BOOL connects;
  BOOL sends;  // when connected
  const char* lastError;
};

TEST(SmtpSession, FollowsScriptedServers) {
  const ScriptedCase cases[] = {
      {"bad_greeting", FALSE, FALSE, "Server didn't respond."},
      {"silent", FALSE, FALSE, "Server didn't respond."},
      {"helo_refused", FALSE, FALSE, "550:SMTP server error"},
      {"garbage", FALSE, FALSE, "0:SMTP server error"},
      {"cut", FALSE, FALSE, "Socket Error"},
      {"overlong", FALSE, FALSE, "Socket Error"},
      {"no_data", TRUE, FALSE, "451:SMTP server not ready for data"},
      {"silent_after_helo", TRUE, FALSE, "Socket Error"},
      {"multiline", TRUE, TRUE, "OK"},
      {"split", TRUE, TRUE, "OK"},
  };
  for (const ScriptedCase& c : cases) {
    SCOPED_TRACE(c.server);
    CSmtpClient client("127.0.0.1", PortOf(c.server));
    // Short waits for the servers that say nothing, room for a busy machine elsewhere.
    BOOL silent = CString(c.server).Find("silent") == 0;
    client.SetResponseTimeout(silent ? 300 : 10000);
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(client.Connect(), c.connects) << client.GetLastErrorText();
    if (c.connects) {
      CMailEnvelope mail;
      mail.sender = "me@test.example";
      mail.AddRecipient("you@test.example", "");
      mail.body = "Hello";
      EXPECT_EQ(client.SendMail(mail), c.sends);
    }
    EXPECT_EQ(client.GetLastErrorText(), c.lastError);
    if (c.connects && c.sends) {
      EXPECT_TRUE(client.Disconnect()) << client.GetLastErrorText();
    }
    // A silent server holds the client no longer than one reply's time limit.
    if (silent) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    }
  }
}

TEST(SmtpSession, EndsASessionThatLostTrackOfItsReplies) {
  // After a reply that never came, a late one must not answer the next command.
  CSmtpClient client("127.0.0.1", PortOf("silent_after_helo"));
  client.SetResponseTimeout(300);
  ASSERT_TRUE(client.Connect());
  CMailEnvelope mail;
  mail.sender = "me@test.example";
  mail.AddRecipient("you@test.example", "");
  EXPECT_FALSE(client.SendMail(mail));
  EXPECT_EQ(client.GetLastErrorText(), "Socket Error");
  EXPECT_FALSE(client.SendMail(mail));
  EXPECT_EQ(client.GetLastErrorText(), "Must be connected");
  EXPECT_TRUE(client.Disconnect());
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) serverFolder = argv[1];
  return RUN_ALL_TESTS();
}
