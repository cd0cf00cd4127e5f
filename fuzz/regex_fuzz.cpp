// Regular expressions on GBK text, and the two readings built on them: the SMS code and the
// province in the segment service's reply. Every match is cut from the text itself, in order and
// without overlap; the code is the first run of ASCII digits; the province is what the reply
// quotes.
#include "api/gbk_text.h"
#include "api/regex_matcher.h"
#include "fuzz_support.h"
#include "platform/gbk_codec.h"
#include "receive/attribution_worker.h"
#include "receive/sms_poll_worker.h"

using namespace verdomo;
using namespace verdomo::fuzz;
using namespace verdomo::literals;

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

void checkMatches(RegexMatcher& matcher, std::string_view pattern, std::string_view text) {
  const int count = matcher.execute(pattern, text);
  FUZZ_REQUIRE(count >= 0);
  std::size_t cursor = 0;
  for (int k = 1; k <= count; ++k) {
    const GbkText match = matcher.matchText(k);
    const std::size_t at = text.find(match, cursor);
    FUZZ_REQUIRE(at != std::string_view::npos);
    cursor = at + match.size();
    (void)matcher.subMatchText(k, 1);
  }
  FUZZ_REQUIRE(matcher.matchText(count + 1).empty());
  FUZZ_REQUIRE(matcher.subMatchText(count + 1, 1).empty());
}

// The first ASCII digit that starts a codec unit, and the run of digits from there.
GbkText firstDigitRun(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && !isDigit(text[at]))
    at += gbkUnitLength(text, at);
  std::size_t end = at;
  while (end < text.size() && isDigit(text[end]))
    ++end;
  return GbkText(text.substr(std::min(at, text.size()), end - std::min(at, text.size())));
}

void checkCode(RegexMatcher& matcher, std::string_view smsText) {
  FUZZ_REQUIRE(smsCode(matcher, smsText) == firstDigitRun(smsText));
}

void checkProvince(RegexMatcher& matcher, std::string_view reply) {
  const GbkText province = provinceFromReply(matcher, reply);
  FUZZ_REQUIRE(!province.empty());
  if (province == "未知"_gbk) return;
  FUZZ_REQUIRE(province.find('\n') == GbkText::npos);
  FUZZ_REQUIRE(containsText(reply, province + "',"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static RegexMatcher matcher;  // one per thread, reused, as the workers use it
  const Choice choice = chooseFrom(bytesOf(data, size));
  switch (choice.selector % 3) {
    case 0: {
      const auto [pattern, text] = twoTexts(choice.rest);
      checkMatches(matcher, pattern, text);
      break;
    }
    case 1:
      checkCode(matcher, choice.rest);
      break;
    default:
      checkProvince(matcher, choice.rest);
      break;
  }
  return 0;
}
