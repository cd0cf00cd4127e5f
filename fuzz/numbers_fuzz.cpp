// Numbers the user typed: for plain ASCII text the client reads what the C library's atoi and
// atof read (hexadecimal amounts aside, which the client does not take), and full-width digits
// read as their ASCII forms.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "api/text_to_int.h"
#include "fuzz_support.h"

using namespace verdomo;
using namespace verdomo::fuzz;

namespace {

bool isAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The text with every ASCII character from "!" to "~" written in its full-width form.
std::string fullWidth(std::string_view text) {
  std::string wide;
  for (const char c : text) {
    if (c > ' ' && c <= '~') {
      wide += '\xA3';
      wide += static_cast<char>(c + 0x80);
    } else {
      wide += c;
    }
  }
  return wide;
}

int referenceInt(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool sameFloat(float a, float b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = bytesOf(data, size);
  const int whole = textToInt(input);
  const float amount = textToFloat(input);
  if (isAscii(input)) {
    // The C library stops at a zero byte, and so does every reading of a number.
    const std::string text(input.substr(0, input.find('\0')));
    FUZZ_REQUIRE(whole == referenceInt(text));
    if (text.find_first_of("xX") == std::string::npos) {
      FUZZ_REQUIRE(sameFloat(amount, static_cast<float>(std::strtod(text.c_str(), nullptr))));
    }
    if (text.find_first_of(" \t\n\v\f\r") == std::string::npos) {
      FUZZ_REQUIRE(textToInt(fullWidth(text)) == whole);
      FUZZ_REQUIRE(sameFloat(textToFloat(fullWidth(text)), amount));
    }
  }
  // Whatever a number is followed by, it reads the same once it is written out.
  FUZZ_REQUIRE(textToInt(std::to_string(whole)) == whole);
  return 0;
}
