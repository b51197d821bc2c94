// A recipient list as a user might type it. Every recipient must be cut from
// its own entry, and a list that parses must give one recipient per entry.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "plugin/mail/MailEnvelope.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  // The operation takes a NUL-terminated text.
  std::string list((const char*)bytes, size);
  list = list.substr(0, list.find('\0'));

  CMailEnvelope envelope;
  BOOL parsed = envelope.AddMultipleRecipients(list.c_str());
  size_t entries = 1;
  for (char ch : list) entries += ch == ';';
  size_t count = (size_t)envelope.GetNumRecipients();
  if (count > entries || (parsed && count != entries) || (!parsed && count == entries)) {
    std::fprintf(stderr, "%zu recipients from %zu entries, result %d\n", count, entries, parsed);
    std::abort();
  }
  CString address, name;
  for (int i = 0; envelope.GetRecipient(address, name, i); ++i) {
    if (address.Find(';') >= 0 || name.Find(';') >= 0 || name.Find('<') >= 0 ||
        list.find(address.str()) == std::string::npos || list.find(name.str()) == std::string::npos) {
      std::fprintf(stderr, "recipient %d is not cut from its entry\n", i);
      std::abort();
    }
  }
  return 0;
}
