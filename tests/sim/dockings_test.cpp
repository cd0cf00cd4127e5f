// Exclusive dockings on the docking port.
#include <gtest/gtest.h>

#include <algorithm>

#include "sim_test_support.h"

namespace verdomo::sim::test {
namespace {

using Dockings = SimTest;
const std::vector<std::string>* find(const Records& list, std::string_view code) {
  for (const auto& record : list)
    if (record.at(1) == code) return &record;
  return nullptr;
}

TEST_F(Dockings, OwnListHasTheDemoDockingsInNineFields) {
  const Records own = records(demo(kDockingPort, "yh_zs_lb"));
  ASSERT_EQ(own.size(), 3u);
  for (const auto& record : own) {
    ASSERT_EQ(record.size(), 9u);
    EXPECT_EQ(record[1].size(), 13u);
    EXPECT_TRUE(record[0] == "正常" || record[0] == "暂停") << record[0];
    EXPECT_GT(std::stoi(record[5]), 0);  // cards on offer
  }
  EXPECT_EQ(own[0][0], "正常");
  EXPECT_EQ(own[1][0], "暂停");
  // The send project's name carries "(发送" for the client's kind rule.
  EXPECT_NE(own[2][2].find("(发送号码:"), std::string::npos);
}

TEST_F(Dockings, JoinSwitchAndDeleteChangeTheOwnList) {
  EXPECT_EQ(demo(kDockingPort, "yh_zs_jr", "&d=DEMOJOIN2026A"), "加入成功");
  EXPECT_EQ(demo(kDockingPort, "yh_zs_jr", "&d=DEMOJOIN2026A"), "您已加入该对接");
  EXPECT_EQ(demo(kDockingPort, "yh_zs_jr", "&d=NOSUCHCODE123"), "对接码不存在");
  const std::vector<std::string>* joined =
      find(records(demo(kDockingPort, "yh_zs_lb")), "DEMOJOIN2026A");
  ASSERT_NE(joined, nullptr);

  EXPECT_EQ(demo(kDockingPort, "yh_zs_fhzt", "&d=DEMOJOIN2026A"), "暂停成功");
  EXPECT_EQ(find(records(demo(kDockingPort, "yh_zs_lb")), "DEMOJOIN2026A")->at(0), "暂停");
  EXPECT_EQ(demo(kDockingPort, "yh_zs_fhzt", "&d=DEMOJOIN2026A"), "恢复成功");
  EXPECT_EQ(find(records(demo(kDockingPort, "yh_zs_lb")), "DEMOJOIN2026A")->at(0), "正常");

  EXPECT_EQ(demo(kDockingPort, "yh_zs_sc", "&d=DEMOJOIN2026A"), "删除成功");
  EXPECT_EQ(find(records(demo(kDockingPort, "yh_zs_lb")), "DEMOJOIN2026A"), nullptr);
  EXPECT_EQ(demo(kDockingPort, "yh_zs_sc", "&d=DEMOJOIN2026A"), "对接不存在");
  EXPECT_EQ(demo(kDockingPort, "yh_zs_fhzt", "&d=DEMOJOIN2026A"), "对接不存在");
}

TEST_F(Dockings, PublicDockingsCanBeJoinedFromTheList) {
  const Records open = records(demo(kDockingPort, "yh_zs_gk_lb"));
  ASSERT_GE(open.size(), 10u);
  const auto notJoined = std::find_if(open.begin(), open.end(),
                                      [](const auto& record) { return record.at(7) == "未加入"; });
  ASSERT_NE(notJoined, open.end());
  const std::string code = notJoined->at(1);
  for (const auto& record : open)
    EXPECT_EQ(record.size(), 9u);

  EXPECT_EQ(demo(kDockingPort, "yh_zs_jr", "&d=" + code), "加入成功");
  EXPECT_EQ(find(records(demo(kDockingPort, "yh_zs_gk_lb")), code)->at(7), "已加入");
  EXPECT_NE(find(records(demo(kDockingPort, "yh_zs_lb")), code), nullptr);
  // Another user's lists are their own.
  EXPECT_EQ(
      find(records(ask(kDockingPort, "/yh_zs_lb/username=friend01&password=friend2026")), code),
      nullptr);
}

}  // namespace
}  // namespace verdomo::sim::test
