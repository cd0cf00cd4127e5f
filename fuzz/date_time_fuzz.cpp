// The date-time text of list rows: whatever text is read back is a real date that formats to a
// text reading back the same, and arithmetic on it agrees with itself.
#include "api/date_time_text.h"
#include "fuzz_support.h"

using namespace verdomo;
using namespace verdomo::fuzz;

namespace {

bool isRealDate(const LocalDateTime& t) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.month < 1 || t.month > 12 || t.day < 1) return false;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
  return t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
         t.second >= 0 && t.second < 60;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = bytesOf(data, size);
  const auto parsed = parseDateTimeText(text);
  if (!parsed) return 0;
  FUZZ_REQUIRE(isRealDate(*parsed));
  const GbkText formatted = formatDateTimeText(*parsed);
  FUZZ_REQUIRE(parseDateTimeText(formatted) == parsed);
  // A step of up to about a year either way, taken from the text's length and bytes.
  unsigned long long mix = size * 7919ULL;
  for (const char c : text)
    mix = mix * 31 + static_cast<unsigned char>(c);
  const long long step = static_cast<long long>(mix % 40'000'000) - 20'000'000;
  const LocalDateTime later = addSeconds(*parsed, step);
  FUZZ_REQUIRE(isRealDate(later));
  FUZZ_REQUIRE(secondsBetween(*parsed, later) == step);
  FUZZ_REQUIRE(addSeconds(later, -step) == *parsed);
  FUZZ_REQUIRE(waitedMoreThan(formatted, later, 0) == (step > 0));
  return 0;
}
