#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "plugin/mail/MailEnvelope.h"

namespace {

using Recipients = std::vector<std::pair<std::string, std::string>>;  // address, name

Recipients AllOf(const CMailEnvelope& envelope) {
  Recipients all;
  CString address, name;
  for (int i = 0; envelope.GetRecipient(address, name, i); ++i) all.emplace_back(address.str(), name.str());
  return all;
}

struct ListCase {
  const char* list;
  BOOL result;
  Recipients recipients;
};

TEST(CMailEnvelope, ParsesRecipientLists) {
  const ListCase cases[] = {
      {"Ann Smith <ann@x.example>;bob@y.example", TRUE, {{"ann@x.example", "Ann Smith "}, {"bob@y.example", ""}}},
      {"a@x;;b@y", TRUE, {{"a@x", ""}, {"", ""}, {"b@y", ""}}},
      {"", TRUE, {{"", ""}}},
      {"a@x;", TRUE, {{"a@x", ""}, {"", ""}}},
      {" Ann <a@x>", TRUE, {{"a@x", " Ann "}}},
      {"<a@x>", TRUE, {{"a@x", ""}}},
      {"Ann <a@x> (work) >", TRUE, {{"a@x", "Ann "}}},
      {"Ann <a@x", TRUE, {{"a@x", "Ann "}}},  // no ">": the address runs to the token's end
      {"a@x;Bad> <b@y>;c@z", FALSE, {{"a@x", ""}}},
      {"x>y", TRUE, {{"x>y", ""}}},  // no "<" at all: the token is the address
  };
  for (const ListCase& c : cases) {
    CMailEnvelope envelope;
    EXPECT_EQ(envelope.AddMultipleRecipients(c.list), c.result) << c.list;
    EXPECT_EQ(AllOf(envelope), c.recipients) << c.list;
    EXPECT_EQ(envelope.GetNumRecipients(), (int)c.recipients.size()) << c.list;
  }
}

TEST(CMailEnvelope, AddsAfterEarlierRecipientsAndCopiesOut) {
  CMailEnvelope envelope;
  EXPECT_TRUE(envelope.AddRecipient("first@x", "First"));
  EXPECT_TRUE(envelope.AddMultipleRecipients("second@x"));
  EXPECT_EQ(AllOf(envelope), (Recipients{{"first@x", "First"}, {"second@x", ""}}));

  CString address = "keep", name = "me";
  EXPECT_FALSE(envelope.GetRecipient(address, name, -1));
  EXPECT_FALSE(envelope.GetRecipient(address, name, 2));
  EXPECT_EQ(address, "keep");
  EXPECT_EQ(name, "me");

  ASSERT_TRUE(envelope.GetRecipient(address, name, 0));
  address += "-changed";
  EXPECT_EQ(AllOf(envelope)[0].first, "first@x");
}

}  // namespace
