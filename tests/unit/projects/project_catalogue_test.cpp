#include "projects/project_catalogue.h"

#include <gtest/gtest.h>

#include "api/service_address.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

struct ShownRow {
  std::string id, name, price, kind, favourite;
  bool operator==(const ShownRow&) const = default;
};

std::vector<ShownRow> shown(const std::vector<ProjectRecord>& rows) {
  std::vector<ShownRow> result;
  for (const ProjectRecord& row : rows) {
    result.push_back({gbkToUtf8(row.id), gbkToUtf8(row.name), gbkToUtf8(row.price),
                      gbkToUtf8(row.kind), gbkToUtf8(row.favourite)});
  }
  return result;
}

struct CatalogueCase {
  const char* name;
  const char* reply;  // UTF-8, converted to GBK
  std::vector<ShownRow> rows;
};

class ProjectRecordsTest : public testing::TestWithParam<CatalogueCase> {};

TEST_P(ProjectRecordsTest, ShowsTheRecordsAsTheCatalogueListHasThem) {
  EXPECT_EQ(shown(catalogueRows(utf8ToGbk(GetParam().reply))), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ProjectRecordsTest,
    testing::Values(CatalogueCase{"SpacesGoAndTheTrailingRecordSeparatorAddsNothing",
                                  "1001#c-项目 A#c-0.50#c-x#c-0#c+",
                                  {{"1001", "项目A", "0.50", "收短信", ""}}},
                    CatalogueCase{"FullWidthSpacesGoTabsStay",
                                  "1002#c-\xE3\x80\x80某\xE3\x80\x80站\t登录 #c- 1.00#c-x#c-1",
                                  {{"1002", "某站\t登录", "1.00", "收短信", "√"}}},
                    CatalogueCase{"FourFieldsAreNotShownSevenShowTheFlagOfField4",
                                  "1003#c-甲#c-0.1#c-x#c+1004#c-乙#c-0.2#c-x#c-0#c-7#c-8",
                                  {{"1004", "乙", "0.2", "收短信", ""}}},
                    CatalogueCase{
                        "EveryFlagButZeroIsAFavourite",
                        "1#c-a#c-1#c-x#c-1#c+2#c-b#c-1#c-x#c-2#c+3#c-c#c-1#c-x#c-#c-more#c+"
                        "4#c-d#c-1#c-x#c-0",
                        {{"1", "a", "1", "收短信", "√"},
                         {"2", "b", "1", "收短信", "√"},
                         {"3", "c", "1", "收短信", "√"},
                         {"4", "d", "1", "收短信", ""}}},
                    CatalogueCase{"SendNumbersMakeASendProjectTheWordSendAloneDoesNot",
                                  "2001#c-某服务(发送号码:10690#10691)#c-0.10#c-x#c-0#c+"
                                  "1005#c-发送验证#c-0.3#c-x#c-0",
                                  {{"2001", "某服务(发送号码:10690#10691)", "0.10", "发短信", ""},
                                   {"1005", "发送验证", "0.3", "收短信", ""}}},
                    CatalogueCase{"ARefusalShowsNothing", "0|用户名或密码错误", {}},
                    CatalogueCase{"AnEmptyReplyShowsNothing", "", {}}),
    caseName<CatalogueCase>);

TEST(FavouriteRowsTest, NeedThreeFieldsAndAreAllFavourites) {
  const auto rows = shown(favouriteRows(
      utf8ToGbk("1001#c-项 目#c-0.5#c+2001#c-某(发送号码:1)#c-0.1#c-extra#c+1002#c-缺价格")));
  const std::vector<ShownRow> expected{{"1001", "项目", "0.5", "收短信", "√"},
                                       {"2001", "某(发送号码:1)", "0.1", "发短信", "√"}};
  EXPECT_EQ(rows, expected);
}

TEST(CatalogueUrlTest, SendsTheSearchTextAsTyped) {
  const ServiceAddresses addresses = buildServiceAddresses("10.0.0.1");
  const Credentials credentials{"demo01", "pw"};
  EXPECT_EQ(catalogueUrl(addresses, credentials, ""),
            "http://10.0.0.1:83/liebiao_xm/username=demo01&password=pw&lx=1&ss=");
  EXPECT_EQ(catalogueUrl(addresses, credentials, "  "),
            "http://10.0.0.1:83/liebiao_xm/username=demo01&password=pw&lx=1&ss=  ");
  EXPECT_EQ(catalogueUrl(addresses, credentials, "小说"_gbk),
            "http://10.0.0.1:83/liebiao_xm/username=demo01&password=pw&lx=1&ss=" + "小说"_gbk);
}

}  // namespace
}  // namespace verdomo::test
