#include "plugin/mail/SmtpClient.h"

#include <chrono>

const SmtpReply smtpReplyTable[4] = {
    {250, "SMTP server error"},
    {220, "SMTP server not available"},
    {354, "SMTP server not ready for data"},
    {221, "SMTP server didn't terminate session"},
};

CSmtpClient::CSmtpClient(const char* host, UINT port)
    : lastError("OK"),
      connected(FALSE),
      port(port),
      mailerName("XR Mail"),
      serverHost(host),
      responseBuffer(),
      responseTimeout(defaultResponseTimeout) {
  AfxSocketInit();
}

CSmtpClient::~CSmtpClient() {
  if (connected) Disconnect();
}

BOOL CSmtpClient::Connect() {
  if (connected) return TRUE;
  if (!socket.Create()) {
    lastError = "Unable to create the socket.";
    return FALSE;
  }
  if (!socket.Connect(serverHost, port)) {
    lastError = "Unable to connect to server";
    CloseConnection();
    return FALSE;
  }
  if (!ReadResponse(smtpGreeting)) {
    lastError = "Server didn't respond.";
    CloseConnection();
    return FALSE;
  }
  char hostName[80];
  BOOL named = AfxGetHostName(hostName, sizeof hostName) && hostName[0];
  // HELO needs a domain; a machine without a name still has this one.
  CString helo;
  helo.Format("HELO %s\r\n", named ? hostName : "localhost");
  Send(helo);
  if (!ReadResponse(smtpGenericOk)) {
    CloseConnection();
    return FALSE;
  }
  connected = TRUE;
  return TRUE;
}

BOOL CSmtpClient::Disconnect() {
  if (!connected) return TRUE;
  Send("QUIT\r\n");
  BOOL answered = ReadResponse(smtpGoodbye);
  CloseConnection();
  return answered;
}

BOOL CSmtpClient::SendMail(CMailEnvelope& envelope) {
  if (!connected) {
    lastError = "Must be connected";
    return FALSE;
  }
  if (!PrepareMessage(envelope)) return FALSE;
  return Transmit(envelope);
}

void CSmtpClient::SetServerProperties(const char* host, UINT newPort) {
  if (!host) return;
  serverHost = host;
  port = newPort;
}

BOOL CSmtpClient::PrepareMessage(CMailEnvelope& envelope) {
  if (!FormatHeader(envelope)) return FALSE;
  if (envelope.body.Right(2) != "\r\n") envelope.body += "\r\n";
  return TRUE;
}

BOOL CSmtpClient::FormatHeader(CMailEnvelope& envelope) {
  if (envelope.GetNumRecipients() == 0) {
    lastError = "No Recipients";
    return FALSE;
  }
  // An address goes into a command line: a line break in it would let the
  // rest be taken as further commands by the server.
  const auto breaksLine = [](const CString& text) { return text.Find('\r') >= 0 || text.Find('\n') >= 0; };
  CString to;
  CString address, name;
  BOOL addressesSafe = !breaksLine(envelope.sender);
  for (int i = 0; envelope.GetRecipient(address, name, i); ++i) addressesSafe = addressesSafe && !breaksLine(address);
  if (!addressesSafe) {
    lastError = "Invalid address";
    return FALSE;
  }
  for (int i = 0; envelope.GetRecipient(address, name, i); ++i) {
    if (i > 0) to += ",";
    to += name + "<" + address + ">";
  }
  envelope.sentTime = CTime::GetCurrentTime();
  // RFC 5322 wants the four-digit year and a numeric zone; zone names are
  // ambiguous and localised on Windows.
  CString date = envelope.sentTime.Format("%a, %d %b %Y %H:%M:%S %z");
  envelope.header.Format("Date: %s\r\nFrom: %s\r\nTo: %s\r\nSubject: %s\r\nX-Mailer: <%s>\r\n\r\n", (const char*)date,
                         (const char*)envelope.sender, (const char*)to, (const char*)envelope.subject,
                         (const char*)mailerName);
  return TRUE;
}

CString CSmtpClient::StuffBody(const CMailEnvelope& envelope) const {
  return StuffDots(envelope.body);
}

BOOL CSmtpClient::Transmit(CMailEnvelope& envelope) {
  if (!connected) {
    lastError = "Must be connected";
    return FALSE;
  }
  CString command;
  command.Format("MAIL From: <%s>\r\n", (const char*)envelope.sender);
  Send(command);
  if (!ReadResponse(smtpGenericOk)) return FALSE;
  CString address, name;
  for (int i = 0; envelope.GetRecipient(address, name, i); ++i) {
    command.Format("RCPT TO: <%s>\r\n", (const char*)address);
    Send(command);
    // A refused recipient does not stop the others; lastError keeps the refusal.
    ReadResponse(smtpGenericOk);
    if (!connected) return FALSE;
  }
  Send("DATA\r\n");
  if (!ReadResponse(smtpDataReady)) return FALSE;
  // The header is stuffed too: a subject or name with a line break and a dot
  // must not end the data either.
  Send(StuffDots(envelope.header) + StuffBody(envelope) + "\r\n.\r\n");
  return ReadResponse(smtpGenericOk);
}

BOOL CSmtpClient::ReadResponse(int index) {
  if (index < 0 || index >= (int)(sizeof smtpReplyTable / sizeof smtpReplyTable[0])) return FALSE;
  const SmtpReply& expected = smtpReplyTable[index];
  // One deadline for the whole reply, so a server that trickles bytes
  // cannot stretch it either.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(responseTimeout);
  int code = 0;
  for (;;) {
    CSmtpReplyReader::Result result = replyReader.TakeReply(code);
    if (result == CSmtpReplyReader::replyComplete) break;
    long long left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    int received = SOCKET_ERROR;
    if (result == CSmtpReplyReader::replyIncomplete && left > 0) {
      socket.SetTimeout((DWORD)left);
      received = socket.Receive(responseBuffer, sizeof responseBuffer, 0);
    }
    if (received <= 0) {
      // Closed, timed out, overlong or failed: what follows can no longer be
      // matched to our commands, so the session is over.
      lastError = "Socket Error";
      CloseConnection();
      return FALSE;
    }
    replyReader.Append(responseBuffer, received);
  }
  if (code == expected.expectedCode) return TRUE;
  lastError.Format("%d:%s", code, expected.errorText);
  return FALSE;
}

CString CSmtpClient::StuffDots(const CString& text) {
  CString stuffed;
  const char* p = text;
  for (int i = 0; i < text.GetLength(); ++i) {
    BOOL lineStart = i == 0 || (i >= 2 && p[i - 2] == '\r' && p[i - 1] == '\n');
    if (lineStart && p[i] == '.') stuffed += '.';
    stuffed += p[i];
  }
  return stuffed;
}

void CSmtpClient::Send(const CString& text) {
  socket.Send((const char*)text, text.GetLength(), 0);
}

void CSmtpClient::CloseConnection() {
  socket.Close();
  replyReader.Reset();
  connected = FALSE;
}
