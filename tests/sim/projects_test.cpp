// The catalogue, favourites and project applications on the project port.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using Projects = SimTest;
std::set<std::string> idsOf(const Records& found) {
  std::set<std::string> ids;
  for (const auto& record : found)
    ids.insert(record.at(0));
  return ids;
}

TEST_F(Projects, CatalogueHoldsAFewHundredReceiveAndSendProjectsInFiveFieldRecords) {
  const Records all = records(demo(kProjectPort, "liebiao_xm", "&lx=1&ss="));
  ASSERT_GE(all.size(), 300u);
  std::size_t sends = 0;
  for (const auto& record : all) {
    ASSERT_EQ(record.size(), 5u);
    EXPECT_GE(std::stoi(record[0]), 1001);
    EXPECT_THAT(record[2], ::testing::MatchesRegex("[0-9]+\\.[0-9]{2}"));
    EXPECT_EQ(record[1].find(' '), std::string::npos);
    if (record[1].find("发送号码") != std::string::npos) {
      ++sends;
      EXPECT_THAT(record[1], ::testing::MatchesRegex(".+\\(发送号码:[0-9]+(#[0-9]+)*\\)"));
    }
    // The flag follows the demo favourites.
    const std::set<std::string> favourites{"1001", "1002", "1006", "1013", "1021", "2001", "2002"};
    EXPECT_EQ(record[4], favourites.count(record[0]) ? "1" : "0") << record[0];
  }
  EXPECT_GE(sends, 20u);
  EXPECT_LT(sends, all.size() / 2);
}

struct Search {
  std::string name;
  friend void PrintTo(const Search& c, std::ostream* out) { *out << c.name; }
  std::string text;  // as typed, UTF-8
  std::set<std::string> mustFind;
  std::size_t atMost;
};

class CatalogueSearch : public SimTest, public ::testing::WithParamInterface<Search> {};

TEST_P(CatalogueSearch, FindsByKeywordOrId) {
  const Records found = records(demo(kProjectPort, "liebiao_xm", "&lx=1&ss=" + GetParam().text));
  const std::set<std::string> ids = idsOf(found);
  for (const std::string& id : GetParam().mustFind)
    EXPECT_TRUE(ids.count(id)) << id;
  EXPECT_LE(found.size(), GetParam().atMost);
  EXPECT_GE(found.size(), GetParam().mustFind.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sim, CatalogueSearch,
    ::testing::Values(Search{"ChineseKeyword", "悦读小说", {"1001", "1002", "1005", "2001"}, 6},
                      Search{"KeywordWithSpaces", " 悦读 小说 ", {"1001"}, 6},
                      Search{"Id", "1013", {"1013"}, 1},
                      Search{"ServiceNumber", "10691", {"2001"}, 30},
                      Search{"NothingFound", "不存在的项目", {}, 0}),
    verdomo::test::caseName<Search>);

TEST_F(Projects, FavouritesFillBothListsAndFollowAddAndRemove) {
  const Records all = records(demo(kProjectPort, "xiangmu_ysc"));
  const Records sendOnly = records(demo(kProjectPort, "xiangmu_ysc", "&l=1"));
  ASSERT_GE(sendOnly.size(), 1u);
  ASSERT_GT(all.size(), sendOnly.size());
  for (const auto& record : sendOnly)
    EXPECT_NE(record.at(1).find("(发送号码:"), std::string::npos);
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const auto& record) {
    return record.at(1).find("发送") == std::string::npos;
  }));

  // The add request carries ID #c- name #c- price; "#" travels escaped.
  EXPECT_EQ(demo(kProjectPort, "xiangmu_shouchan", "&id=1100#c-某项目#c-0.50"), "收藏成功");
  EXPECT_EQ(demo(kProjectPort, "xiangmu_shouchan", "&id=1100#c-某项目#c-0.50"), "该项目已收藏");
  EXPECT_EQ(demo(kProjectPort, "xiangmu_shouchan", "&id=9999#c-x#c-1"), "项目不存在");
  Records now = records(demo(kProjectPort, "xiangmu_ysc"));
  ASSERT_EQ(now.size(), all.size() + 1);
  EXPECT_EQ(now.back().at(0), "1100");

  EXPECT_EQ(demo(kProjectPort, "xiangmu_qxsc", "&id=1100"), "取消收藏成功");
  EXPECT_EQ(demo(kProjectPort, "xiangmu_qxsc", "&id=1100"), "该项目未收藏");
  EXPECT_EQ(demo(kProjectPort, "xiangmu_qxsc", "&id=abc"), "该项目未收藏");
  EXPECT_EQ(idsOf(records(demo(kProjectPort, "xiangmu_ysc"))), idsOf(all));
}

struct Application {
  std::string name;
  friend void PrintTo(const Application& c, std::ostream* out) { *out << c.name; }
  std::string parameters;
  std::string reply;
};

class ProjectApplications : public SimTest, public ::testing::WithParamInterface<Application> {};

TEST_P(ProjectApplications, AnswerUnderReviewOrTheReason) {
  EXPECT_EQ(demo(kProjectPort, "sq_dx", GetParam().parameters), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, ProjectApplications,
    ::testing::Values(
        // The client percent-encodes name and template itself: "新服务注册" and a template.
        Application{
            "Receive",
            "&m=%E6%96%B0%E6%9C%8D%E5%8A%A1%E6%B3%A8%E5%86%8C&dx=%E9%AA%8C%E8%AF%81%E7%A0%81"
            "123456%0D%0A&l=1",
            "审核中"},
        Application{"Send", "&m=新服务上行&hm=106900#106901&l=2", "审核中"},
        Application{"ExistingProject", "&m=悦读小说注册&dx=x&l=1", "该项目已存在或正在审核"},
        Application{"NoName", "&m=&dx=x&l=1", "项目名称不能为空"},
        Application{"NoTemplate", "&m=新服务&dx=&l=1", "短信模板不能为空"},
        Application{"BadNumbers", "&m=新服务&hm=106900#abc&l=2",
                    "发送号码格式错误，多个号码用#隔开"},
        Application{"BadKind", "&m=新服务&dx=x&l=3", "申请类型错误"}),
    verdomo::test::caseName<Application>);

TEST_F(Projects, TheSameApplicationTwiceIsAlreadyUnderReview) {
  EXPECT_EQ(demo(kProjectPort, "sq_dx", "&m=新服务&dx=验证码1234&l=1"), "审核中");
  EXPECT_EQ(demo(kProjectPort, "sq_dx", "&m=新服务&dx=验证码1234&l=1"), "该项目已存在或正在审核");
}

TEST_F(Projects, RecordListsRefuseWrongCredentialsWithAStatusRefusal) {
  EXPECT_EQ(ask(kProjectPort, "/liebiao_xm/username=demo01&password=x&lx=1&ss="),
            "0|用户名或密码错误");
  EXPECT_EQ(ask(kProjectPort, "/xiangmu_shouchan/username=demo01&id=1001"), "用户名或密码错误");
}

}  // namespace
}  // namespace verdomo::sim::test
