#include <gtest/gtest.h>

#include "api/wire_url.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct WireCase {
  const char* name;
  GbkText url;
  std::string wire;
};

class WireUrl : public testing::TestWithParam<WireCase> {};

TEST_P(WireUrl, EscapesOnlyWhatMayNotStandInAUrl) {
  EXPECT_EQ(wireUrl(GetParam().url), GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WireUrl,
    testing::Values(WireCase{"PlainStaysAsItIs", "http://h:82/sign/username=a&password=b",
                             "http://h:82/sign/username=a&password=b"},
                    WireCase{"ChineseBecomesUtf8Escapes", "http://h/ss=项目"_gbk,
                             "http://h/ss=%E9%A1%B9%E7%9B%AE"},
                    WireCase{"ReservedPunctuationStays", "http://h/!$&'()*+,-./:;=?@_~",
                             "http://h/!$&'()*+,-./:;=?@_~"},
                    WireCase{"UnsafeCharactersAreEscaped", "http://h/ \"#<>[\\]^`{|}",
                             "http://h/%20%22%23%3C%3E%5B%5C%5D%5E%60%7B%7C%7D"},
                    WireCase{"ControlCharactersAndDel", "http://h/\r\n\t\x7F",
                             "http://h/%0D%0A%09%7F"},
                    WireCase{"PercentStays", "http://h/a=%41%zz", "http://h/a=%41%zz"},
                    WireCase{"HostPartUntouched", "http://[::1]:82/[x]", "http://[::1]:82/%5Bx%5D"},
                    WireCase{"QueryWithoutPath", "http://h?a b", "http://h?a%20b"},
                    WireCase{"HashRightAfterHost", "http://h#x", "http://h%23x"},
                    WireCase{"FullWidthSpace", "http://h/a　b"_gbk, "http://h/a%E3%80%80b"}),
    test::caseName<WireCase>);

}  // namespace
}  // namespace verdomo
