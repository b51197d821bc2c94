// Sends CMailEnvelopes to an SMTP server over a blocking connection. Every
// operation returns FALSE on failure and leaves its reason in lastError.
#pragma once

#include "framework/core/CSocket.h"
#include "framework/core/CString.h"
#include "plugin/mail/MailEnvelope.h"
#include "plugin/mail/SmtpReplyReader.h"

struct SmtpReply {
  int expectedCode;
  const char* errorText;
};

// Indexes for ReadResponse.
enum SmtpReplyIndex { smtpGenericOk = 0, smtpGreeting = 1, smtpDataReady = 2, smtpGoodbye = 3 };
extern const SmtpReply smtpReplyTable[4];

class CSmtpClient {
 public:
  static const DWORD defaultResponseTimeout = 60 * 1000;

  CSmtpClient(const char* host, UINT port);
  virtual ~CSmtpClient();
  CSmtpClient(const CSmtpClient&) = delete;
  CSmtpClient& operator=(const CSmtpClient&) = delete;

  BOOL Connect();                          // TRUE at once when already connected
  BOOL Disconnect();                       // closes the connection even when QUIT is not answered
  BOOL SendMail(CMailEnvelope& envelope);  // fills in the header, may end the body with CR LF

  void SetServerProperties(const char* host, UINT port);
  // How long each reply may take before the read fails.
  void SetResponseTimeout(DWORD milliseconds) { responseTimeout = milliseconds; }
  CString GetServerHost() const { return serverHost; }
  UINT GetPort() const { return port; }
  CString GetXMailer() const { return mailerName; }
  CString GetLastErrorText() const { return lastError; }

  // The steps of SendMail, open to clients that change one of them.
  // Builds the header and makes the body end with CR LF.
  virtual BOOL PrepareMessage(CMailEnvelope& envelope);
  BOOL FormatHeader(CMailEnvelope& envelope);
  // The body with the leading dot of every line doubled, so that no line of
  // it can end the data.
  CString StuffBody(const CMailEnvelope& envelope) const;
  BOOL Transmit(CMailEnvelope& envelope);
  // Reads one complete reply and checks its code against smtpReplyTable.
  BOOL ReadResponse(int index);

 private:
  static CString StuffDots(const CString& text);
  void Send(const CString& text);
  void CloseConnection();

  CString lastError;
  BOOL connected;
  UINT port;
  CString mailerName;
  CString serverHost;
  CSocket socket;
  char responseBuffer[1024];
  CSmtpReplyReader replyReader;
  DWORD responseTimeout;
};
