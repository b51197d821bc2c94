// One mail for CSmtpClient: sender, recipients, subject and body, plus the
// header block and time stamp that the client fills in before sending.
#pragma once

#include <vector>

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

struct MailRecipient {
  CString address;  // without angle brackets
  CString name;     // display name, may be empty
};

class CMailEnvelope {
 public:
  CMailEnvelope() = default;
  virtual ~CMailEnvelope() = default;

  BOOL AddRecipient(const char* address, const char* name);
  // Adds the recipients of a list such as "Ann <ann@x.example>;bob@y.example".
  // FALSE when an entry has its ">" before its "<"; the entries before it
  // stay added.
  BOOL AddMultipleRecipients(const char* list);
  // FALSE for an index out of range, leaving both texts untouched.
  BOOL GetRecipient(CString& address, CString& name, int index) const;
  int GetNumRecipients() const { return (int)recipients.size(); }

  CString sender;  // bare address
  CString subject;
  CString header;  // built by the SMTP client
  CTime sentTime;  // set by the SMTP client
  CString body;    // lines end with CR LF

 private:
  std::vector<MailRecipient> recipients;
};
