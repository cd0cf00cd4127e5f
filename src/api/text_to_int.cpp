#include "api/text_to_int.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <limits>
#include <string>

#include "api/gbk_text.h"

namespace verdomo {
namespace {

// Full-width ASCII forms (A3 A1..A3 FE) become their ASCII character, the full-width space
// (A1 A1) a space; every other character stays.
std::string foldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = characterLength(text, at);
    const auto first = static_cast<unsigned char>(text[at]);
    const auto second = length == 2 ? static_cast<unsigned char>(text[at + 1]) : 0;
    if (length == 2 && first == 0xA3 && second >= 0xA1) {
      folded += static_cast<char>(second - 0x80);
    } else if (length == 2 && first == 0xA1 && second == 0xA1) {
      folded += ' ';
    } else {
      folded.append(text.substr(at, length));
    }
    at += length;
  }
  return folded;
}

bool isCSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Where a number starts as the C library reads one: after white space and a sign.
std::size_t numberStart(const std::string& text, bool& negative) {
  std::size_t at = 0;
  while (at < text.size() && isCSpace(text[at]))
    ++at;
  negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  return at;
}

// The power of ten a decimal number (digits, an optional point, an optional exponent) stands
// near: positive for 1 and above, 0 or below for fractions. Only its sign matters, for numbers
// beyond a double's range either way, so the exponent saturates.
long long decimalMagnitude(std::string_view number) {
  const std::size_t exponentAt = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, exponentAt);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstDigit = mantissa.find_first_of("123456789");
  if (firstDigit == std::string_view::npos) return LLONG_MIN;  // zero stays zero
  long long magnitude = firstDigit < point ? static_cast<long long>(point - firstDigit)
                                           : -static_cast<long long>(firstDigit - point - 1);
  if (exponentAt != std::string_view::npos) {
    bool negative = false;
    std::size_t digit = exponentAt + 1;
    if (digit < number.size() && (number[digit] == '+' || number[digit] == '-'))
      negative = number[digit++] == '-';
    long long exponent = 0;
    for (; digit < number.size() && number[digit] >= '0' && number[digit] <= '9'; ++digit)
      exponent = std::min<long long>(exponent * 10 + (number[digit] - '0'), 1'000'000'000);
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

}  // namespace

float textToFloat(std::string_view gbkText) {
  const std::string text = foldFullWidth(gbkText);
  bool negative = false;
  const std::size_t at = numberStart(text, negative);
  // from_chars reads a minus sign of its own; the C library reads one sign only, so "+-2" and
  // "--2" hold no number.
  if (at < text.size() && text[at] == '-') return 0.0f;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // atof gives infinity for a number too large for a double and 0 for one too small.
    const std::string_view number(text.data() + at,
                                  static_cast<std::size_t>(end - text.data()) - at);
    value = decimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return static_cast<float>(negative ? -value : value);
}

int textToInt(std::string_view gbkText) {
  const std::string text = foldFullWidth(gbkText);
  bool negative = false;
  std::size_t at = numberStart(text, negative);
  long long value = 0;  // kept within int range + 1, so it never overflows
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = std::min<long long>(value * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX) + 1);
  }
  if (negative) return static_cast<int>(-value);
  return static_cast<int>(std::min<long long>(value, INT_MAX));
}

}  // namespace verdomo
