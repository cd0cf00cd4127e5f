// The GBK codec on iconv. Its table holds every character of code page 936 that the client
// meets, the euro sign at 0x80 included, but not the user-defined area, which becomes "?".
// Windows builds use the code page API instead.
#include <iconv.h>
#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/gbk_codec.h"

namespace verdomo {
namespace {

// One converter per thread and direction: iconv_t keeps shift state, so it is not shareable.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as it can into `out`. Returns the errno that stopped it, 0 at the end.
  int convert(std::string_view& in, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (!in.empty()) {
      char* inPtr = const_cast<char*>(in.data());
      size_t inLeft = in.size();
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
      in.remove_prefix(in.size() - inLeft);
      if (result == static_cast<size_t>(-1) && errno != E2BIG) return errno;
    }
    return 0;
  }

 private:
  iconv_t handle_;
};

bool isGbkLead(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool isGbkTrail(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// How many bytes of a UTF-8 sequence to skip when it cannot be converted.
size_t utf8SequenceLength(std::string_view text) {
  auto lead = static_cast<unsigned char>(text[0]);
  size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  for (size_t i = 1; i < length; ++i) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return i;
  }
  return length;
}

// A bad GBK byte: a valid pair that maps to nothing goes as a whole, anything else byte by byte.
size_t gbkSequenceLength(std::string_view text) {
  return gbkUnitLength(text, 0);
}

template <size_t (*skipLength)(std::string_view)>
std::string convertAll(Converter& converter, std::string_view in) {
  std::string out;
  out.reserve(in.size() * 3 / 2);
  while (true) {
    int error = converter.convert(in, out);
    if (error == 0) break;
    out += '?';
    if (error == EINVAL) break;  // a sequence cut off at the end of the text
    in.remove_prefix(std::min(in.size(), skipLength(in)));
  }
  return out;
}

}  // namespace

std::size_t gbkUnitLength(std::string_view gbk, std::size_t position) {
  if (position + 1 < gbk.size() && isGbkLead(static_cast<unsigned char>(gbk[position])) &&
      isGbkTrail(static_cast<unsigned char>(gbk[position + 1]))) {
    return 2;
  }
  return 1;
}

GbkText utf8ToGbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8");
  return convertAll<utf8SequenceLength>(converter, utf8);
}

std::string gbkToUtf8(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK");
  return convertAll<gbkSequenceLength>(converter, gbk);
}

}  // namespace verdomo
