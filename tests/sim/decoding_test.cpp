// The request path decoded once into UTF-8, turned into GBK and read as endpoint and pairs.
#include <gtest/gtest.h>

#include "platform/gbk_codec.h"
#include "sim/http/path_decoding.h"
#include "sim/platform/platform_request.h"
#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

struct Escapes {
  std::string name;
  friend void PrintTo(const Escapes& c, std::ostream* out) { *out << c.name; }
  std::string text;
  std::string decoded;
};

class PercentDecoding : public ::testing::TestWithParam<Escapes> {};

TEST_P(PercentDecoding, DecodesEachEscapeOnce) {
  EXPECT_EQ(percentDecode(GetParam().text), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Sim, PercentDecoding,
                         ::testing::Values(Escapes{"UpperCase", "%E4%B8%AD", "\xE4\xB8\xAD"},
                                           Escapes{"LowerCase", "%e4%b8%ad", "\xE4\xB8\xAD"},
                                           Escapes{"OnlyOnce", "%2541", "%41"},
                                           Escapes{"LetterEscape", "%41b", "Ab"},
                                           Escapes{"ShortEscapeAtEnd", "100%4", "100%4"},
                                           Escapes{"PercentAlone", "100%", "100%"},
                                           Escapes{"NotHex", "%zz%4g", "%zz%4g"},
                                           Escapes{"PercentBeforeEscape", "%%41", "%A"},
                                           Escapes{"PlusStays", "a+b", "a+b"},
                                           Escapes{"Hash", "1001%23c-x", "1001#c-x"}),
                         verdomo::test::caseName<Escapes>);

TEST(TargetDecoding, TurnsUtf8IntoGbkAndUndecodableBytesIntoQuestionMarks) {
  EXPECT_EQ(decodeTarget("/x/%E4%B8%AD%E6%96%87"), "/x/" + utf8ToGbk("中文"));
  EXPECT_EQ(decodeTarget("/x/%FFa"), "/x/?a");
}

struct PathCase {
  std::string name;
  friend void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }
  std::string path;
  std::string endpoint;
  std::vector<std::pair<std::string, std::string>> parameters;
};

class PlatformPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(PlatformPaths, SplitIntoEndpointAndPairs) {
  const PlatformRequest request = parsePlatformPath(GetParam().path);
  EXPECT_EQ(request.endpoint, GetParam().endpoint);
  std::vector<std::pair<std::string, std::string>> parameters(request.parameters.begin(),
                                                              request.parameters.end());
  EXPECT_EQ(parameters, GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, PlatformPaths,
    ::testing::Values(PathCase{"Plain",
                               "/sign/username=a&password=b",
                               "sign",
                               {{"username", "a"}, {"password", "b"}}},
                      PathCase{"EmptyValues",
                               "/yh_qh/id=1&operator=&loop=1",
                               "yh_qh",
                               {{"id", "1"}, {"operator", ""}, {"loop", "1"}}},
                      PathCase{"EqualsInValue", "/x/k=a=b", "x", {{"k", "a=b"}}},
                      PathCase{"PairWithoutEquals", "/x/k&v=1", "x", {{"k", ""}, {"v", "1"}}},
                      PathCase{"QuestionMarkIsText", "/x/ss=a?b", "x", {{"ss", "a?b"}}},
                      PathCase{"NoParameters", "/sign/", "sign", {}},
                      PathCase{"NoSlashAfterName", "/sign", "sign", {}},
                      PathCase{"NotAPath", "sign/a=b", "", {}}),
    verdomo::test::caseName<PathCase>);

TEST(PlatformPaths, FirstOfTwoEqualKeysCounts) {
  const PlatformRequest request = parsePlatformPath("/x/k=1&k=2");
  EXPECT_EQ(request.value("k"), "1");
  EXPECT_EQ(request.find("missing"), std::nullopt);
}

using Decoding = SimTest;

TEST_F(Decoding, PlainAndSelfEncodedValuesReachThePlatformAlike) {
  // "悦读" typed, escaped by the transport, and the same text percent-encoded by the client.
  const std::string typed = demo(kProjectPort, "liebiao_xm", "&lx=1&ss=悦读");
  const std::string encoded = demo(kProjectPort, "liebiao_xm", "&lx=1&ss=%E6%82%A6%E8%AF%BB");
  EXPECT_NE(typed.find("1001#c-"), std::string::npos);
  EXPECT_EQ(typed, encoded);
}

TEST_F(Decoding, GbkCharactersWhoseSecondByteIsABarStayWhole) {
  // "東" is 0x96 0x7C in GBK: a byte-wise search would see a "|" in it.
  EXPECT_EQ(demo(kAccountPort, "xg_zl", "&w=蓝色&q=123456&z=陈東&f=c@d.e"), "修改成功");
  const auto fields = split(ask(kAccountPort, "/sign/username=demo01&password=demo2026"), "|");
  ASSERT_EQ(fields.size(), 11u);  // the client splits GBK-aware as well; so does this split
  EXPECT_EQ(fields[6], "陈東");
}

}  // namespace
}  // namespace verdomo::sim::test
