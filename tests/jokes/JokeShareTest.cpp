#include "jokes/JokeShare.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(JokeShare, SmsAndEmailPrefixesWithAClosingQuote) {
  EXPECT_EQ(BuildShareCommandLine(JokeShareService::Sms, WString(u"    笑")),
            u"-service \"SMS\" -to \"\" -body \"    笑\"");
  EXPECT_EQ(BuildShareCommandLine(JokeShareService::Email, WString(u"x")),
            u"-service \"ActiveSync\" -to \"\" -body \"x\"");
}

TEST(JokeShare, ThreeQuotesAlternateOpeningClosingOpening) {
  EXPECT_EQ(BuildShareCommandLine(JokeShareService::Sms, WString(u"a\"b\"c\"d")),
            u"-service \"SMS\" -to \"\" -body \"a“b”c“d\"");
}

TEST(JokeShare, NoJokeGivesAnEmptyBody) {
  EXPECT_EQ(BuildShareCommandLine(JokeShareService::Sms, std::nullopt), u"-service \"SMS\" -to \"\" -body \"\"");
}

}  // namespace
}  // namespace tarvo
