#include <gtest/gtest.h>

#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

TEST(GbkCodec, RoundTripsChineseAndAscii) {
  const GbkText gbk = "用户abc"_gbk;
  EXPECT_EQ(gbk,
            "\xD3\xC3\xBB\xA7"
            "abc");
  EXPECT_EQ(gbkToUtf8(gbk), "用户abc");
  EXPECT_EQ(gbkToUtf8("\xA1\xA1"), "\u3000");  // the full-width space
}

struct MalformedCase {
  const char* name;
  std::string gbk;
  std::string utf8;
};

class GbkDecoding : public testing::TestWithParam<MalformedCase> {};

TEST_P(GbkDecoding, PutsAQuestionMarkWhereNothingMaps) {
  EXPECT_EQ(gbkToUtf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Malformed, GbkDecoding,
                         testing::Values(MalformedCase{"LeadByteAtTheEnd", "ab\xD3", "ab?"},
                                         MalformedCase{"LoneLeadByte", "\xD3", "?"},
                                         MalformedCase{"ByteFF",
                                                       "a\xFF"
                                                       "b",
                                                       "a?b"},
                                         MalformedCase{"LeadByteBeforeAscii",
                                                       "\xD3"
                                                       "1x",
                                                       "?1x"},
                                         MalformedCase{"EmptyText", "", ""}),
                         test::caseName<MalformedCase>);

TEST(GbkCodec, MapsTheEuroSignAsTheWindowsCodePageDoes) {
  EXPECT_EQ(gbkToUtf8("\x80"), "€");
  EXPECT_EQ(utf8ToGbk("€"), "\x80");
}

TEST(GbkCodec, EncodingPutsAQuestionMarkForCharactersGbkCannotHold) {
  EXPECT_EQ(utf8ToGbk("a😀b"), "a?b");
  EXPECT_EQ(utf8ToGbk("x\xC3"), "x?");  // UTF-8 sequence cut off at the end
  EXPECT_EQ(utf8ToGbk("\xFF"
                      "z"),
            "?z");  // not UTF-8 at all
}

TEST(GbkCodec, ConvertsLongTextsAcrossBufferBoundaries) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i)
    utf8 += "验证码352156，";
  EXPECT_EQ(gbkToUtf8(utf8ToGbk(utf8)), utf8);
}

}  // namespace
}  // namespace verdomo
