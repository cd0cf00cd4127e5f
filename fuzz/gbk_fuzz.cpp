// The GBK codec both ways and the character-wise text search over it: every GBK text becomes
// well-formed UTF-8 with one character per GBK unit, converting back and forth again changes
// nothing, and searches never report a match that starts inside a double-byte character.
#include "api/gbk_text.h"
#include "fuzz_support.h"
#include "platform/gbk_codec.h"

using namespace verdomo;
using namespace verdomo::fuzz;

namespace {

std::size_t gbkUnitCount(std::string_view gbk) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < gbk.size(); i += gbkUnitLength(gbk, i))
    ++count;
  return count;
}

bool startsCharacter(std::string_view text, std::size_t position) {
  std::size_t i = 0;
  while (i < position)
    i += characterLength(text, i);
  return i == position;
}

void checkCodec(std::string_view bytes) {
  const std::string utf8 = gbkToUtf8(bytes);
  FUZZ_REQUIRE(isWellFormedUtf8(utf8));
  FUZZ_REQUIRE(utf8CharacterCount(utf8) == gbkUnitCount(bytes));
  const GbkText back = utf8ToGbk(utf8);
  FUZZ_REQUIRE(gbkToUtf8(back) == utf8);

  // The same bytes read as UTF-8: whatever they hold, the GBK text reads back as UTF-8 again.
  const GbkText gbk = utf8ToGbk(bytes);
  const std::string again = gbkToUtf8(gbk);
  FUZZ_REQUIRE(isWellFormedUtf8(again));
  if (isWellFormedUtf8(bytes)) FUZZ_REQUIRE(utf8CharacterCount(again) == utf8CharacterCount(bytes));
}

void checkSearch(std::string_view text, std::string_view marker) {
  if (marker.empty()) return;
  const std::size_t first = findText(text, marker);
  if (first != kNotFound) {
    FUZZ_REQUIRE(text.substr(first, marker.size()) == marker);
    FUZZ_REQUIRE(startsCharacter(text, first));
    FUZZ_REQUIRE(containsText(text, marker));
    const std::size_t last = findLastText(text, marker);
    FUZZ_REQUIRE(last != kNotFound && last >= first && startsCharacter(text, last));
  } else {
    FUZZ_REQUIRE(findLastText(text, marker) == kNotFound);
  }
  const std::size_t caseless = findTextIgnoringCase(text, marker);
  FUZZ_REQUIRE(caseless == kNotFound || caseless <= first);
  const GbkText replaced = replaceAllText(text, marker, "");
  if (first == kNotFound)
    FUZZ_REQUIRE(replaced == text);
  else
    FUZZ_REQUIRE(replaced.size() < text.size());
  (void)textBetween(text, marker, marker);
  const GbkText after = textAfterLast(text, marker);
  FUZZ_REQUIRE(after.size() <= text.size());
  FUZZ_REQUIRE(textBefore(text, marker).size() <= text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = bytesOf(data, size);
  checkCodec(input);
  const auto [text, marker] = twoTexts(input);
  checkSearch(text, marker);
  return 0;
}
