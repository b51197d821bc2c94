#include "plugin/mail/MailEnvelope.h"

BOOL CMailEnvelope::AddRecipient(const char* address, const char* name) {
  recipients.push_back(MailRecipient{address, name});
  return TRUE;
}

BOOL CMailEnvelope::AddMultipleRecipients(const char* list) {
  const CString copy(list);
  for (int start = 0;;) {
    int end = copy.Find(';', start);
    CString token = copy.Mid(start, (end < 0 ? copy.GetLength() : end) - start);
    int open = token.Find('<');
    if (open < 0) {
      AddRecipient(token, "");
    } else {
      int close = token.Find('>');
      if (close >= 0 && close < open) return FALSE;
      // An entry without ">" takes the address up to its end.
      CString address = close < 0 ? token.Mid(open + 1) : token.Mid(open + 1, close - open - 1);
      AddRecipient(address, token.Left(open));
    }
    if (end < 0) return TRUE;
    start = end + 1;
  }
}

BOOL CMailEnvelope::GetRecipient(CString& address, CString& name, int index) const {
  if (index < 0 || index >= GetNumRecipients()) return FALSE;
  address = recipients[(size_t)index].address;
  name = recipients[(size_t)index].name;
  return TRUE;
}
