#include "support/gbk_test_text.h"

namespace verdomo::test {

std::vector<std::string> toUtf8(const std::vector<GbkText>& texts) {
  std::vector<std::string> utf8;
  for (const GbkText& text : texts)
    utf8.push_back(gbkToUtf8(text));
  return utf8;
}

}  // namespace verdomo::test
