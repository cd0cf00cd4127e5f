// Record lists (port 130): paged SMS and referral records, withdrawals and recharges.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

constexpr const char* kTime = "[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}";

struct Page {
  std::string count;
  std::string total;
  std::vector<std::vector<std::string>> records;
};

Page page(std::string_view reply) {
  const auto parts = split(reply, "|");
  EXPECT_EQ(parts.size(), 3u) << reply;
  Page result{parts.at(0), parts.size() > 1 ? parts[1] : "", {}};
  if (parts.size() < 3) return result;
  std::vector<std::string> pieces = split(parts[2], "#c+");
  if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
  for (const std::string& record : pieces)
    result.records.push_back(split(record, "#c-"));
  return result;
}

struct Paging {
  std::string name;
  friend void PrintTo(const Paging& c, std::ostream* out) { *out << c.name; }
  std::string endpoint;
  std::size_t count;
};

class PagedRecords : public SimTest, public ::testing::WithParamInterface<Paging> {};

TEST_P(PagedRecords, ComeThirtyToAPageNewestFirstWithCountAndTotal) {
  const Paging& paging = GetParam();
  const Page first = page(demo(kRecordsPort, paging.endpoint));
  EXPECT_EQ(first.count, std::to_string(paging.count));
  EXPECT_THAT(first.total, ::testing::MatchesRegex("[0-9]+\\.[0-9]{2}"));
  ASSERT_EQ(first.records.size(), 30u);
  for (const auto& record : first.records) {
    ASSERT_EQ(record.size(), 6u);
    EXPECT_THAT(record[2], ::testing::MatchesRegex("1[0-9]{10}"));
    EXPECT_THAT(record[5], ::testing::MatchesRegex(kTime));
  }
  EXPECT_GT(first.records.front()[5], first.records.back()[5]);

  std::size_t seen = first.records.size();
  std::string previousOldest = first.records.back()[5];
  for (int number = 2; seen < paging.count; ++number) {
    const Page next = page(demo(kRecordsPort, paging.endpoint, "&y=" + std::to_string(number)));
    ASSERT_FALSE(next.records.empty());
    EXPECT_EQ(next.count, first.count);
    EXPECT_LE(next.records.front()[5], previousOldest);
    previousOldest = next.records.back()[5];
    seen += next.records.size();
  }
  EXPECT_EQ(seen, paging.count);
  const int lastPage = static_cast<int>((paging.count + 29) / 30);
  EXPECT_TRUE(page(demo(kRecordsPort, paging.endpoint, "&y=" + std::to_string(lastPage + 1)))
                  .records.empty());
  // A page number that is none asks for the first page.
  EXPECT_EQ(page(demo(kRecordsPort, paging.endpoint, "&y=0")).records, first.records);
}

INSTANTIATE_TEST_SUITE_P(Sim, PagedRecords,
                         ::testing::Values(Paging{"Sms", "yh_mx", 75},
                                           Paging{"Referral", "tj_mx", 40}),
                         verdomo::test::caseName<Paging>);

using RecordSearch = SimTest;
using OtherLists = SimTest;

TEST_F(RecordSearch, FindsByProjectIdOrPhoneAndTotalsTheMatches) {
  const Page all = page(demo(kRecordsPort, "yh_mx"));
  ASSERT_FALSE(all.records.empty());
  const std::string project = all.records.front()[0];
  const std::string phone = all.records.front()[2];

  for (const std::string& wanted : {project, phone}) {
    const Page found = page(demo(kRecordsPort, "yh_mx_s", "&n=" + wanted));
    ASSERT_FALSE(found.records.empty());
    long cents = 0;
    for (const auto& record : found.records) {
      EXPECT_TRUE(record[0] == wanted || record[2].find(wanted) != std::string::npos);
      cents += std::lround(std::stod(record[3]) * 100);
    }
    if (std::stoi(found.count) <= 30) {
      EXPECT_EQ(std::stoul(found.count), found.records.size());
      EXPECT_EQ(std::lround(std::stod(found.total) * 100), cents);
    }
  }
  // An empty search matches everything; a search for nothing known matches nothing.
  EXPECT_EQ(page(demo(kRecordsPort, "yh_mx_s", "&n=")).count, all.count);
  EXPECT_EQ(demo(kRecordsPort, "tj_mx_s", "&n=99999999999"), "0|0.00|");
}

TEST_F(OtherLists, WithdrawalsAndRechargesUseTheirOwnSeparators) {
  const auto withdrawals = split(demo(kRecordsPort, "tx_mx"), ",");
  ASSERT_EQ(withdrawals.size(), 4u);
  for (const std::string& record : withdrawals) {
    const auto fields = split(record, "|");
    ASSERT_EQ(fields.size(), 6u) << record;
    EXPECT_EQ(fields[0], "张晓明");
  }
  EXPECT_EQ(split(withdrawals[0], "|")[4], "已到账");
  EXPECT_EQ(split(withdrawals[2], "|")[4], "已驳回：支付宝账户与姓名不符");

  const auto recharges = split(demo(kRecordsPort, "cz_mx"), "|");
  ASSERT_EQ(recharges.size(), 5u);
  for (const std::string& record : recharges) {
    const auto fields = split(record, ",");
    ASSERT_EQ(fields.size(), 5u) << record;
    EXPECT_EQ(fields[4], "充值成功");
  }
}

TEST_F(OtherLists, RefusalsCarryNoRecord) {
  for (const char* endpoint : {"yh_mx", "tj_mx_s", "tx_mx", "cz_mx"})
    EXPECT_EQ(ask(kRecordsPort, "/" + std::string(endpoint) + "/username=demo01&password=x"),
              "0|用户名或密码错误");
}

TEST_F(OtherLists, SmsOfAReferredUserEarnTheRefereeItsShare) {
  const std::string friendCredentials = "username=friend01&password=friend2026";
  const std::string taken =
      ask(kNumberPort, "/yh_qh/" + friendCredentials + "&id=1100&operator=&region=&card=&loop=1");
  ASSERT_EQ(taken.substr(0, 2), "1|");
  ASSERT_EQ(ask(kPollPort, "/yh_qm/" + friendCredentials + "&id=1100&phone=" + taken.substr(2))
                .substr(0, 2),
            "1|");
  const Page referral = page(demo(kRecordsPort, "tj_mx"));
  EXPECT_EQ(referral.count, "41");
  ASSERT_FALSE(referral.records.empty());
  EXPECT_EQ(referral.records.front()[2], taken.substr(2));
  EXPECT_EQ(referral.records.front()[3], "0.08");  // a tenth of 0.80
  EXPECT_EQ(demo(kDockingPort, "yh_gx"), "128.58|36.88");
}

}  // namespace
}  // namespace verdomo::sim::test
