// The favourites workers filling the receive and send pages, started by the pages' refresh
// buttons, against a scripted platform.
#include <QComboBox>
#include <QPushButton>

#include "projects_fixture.h"
#include "receive/receive_page.h"
#include "send/send_page.h"

namespace verdomo::test {
namespace {

QStringList itemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i)
    items << box->itemText(i);
  return items;
}

class ReceiveFavouritesTest : public ProjectsFixture {
 protected:
  ReceiveFavouritesTest() { page.show(); }
  QComboBox* projects() const { return page.findChild<QComboBox*>("组合框_取号_项目列表"); }
  // Clicks refresh and waits until the worker's run has put `first` at the top and is done.
  bool refreshUntilFirstItemIs(const QString& first) {
    page.findChild<QPushButton*>("按钮_取号刷新")->click();
    return waitUntil([&] {
      return projects()->count() > 0 && projects()->itemText(0) == first && page.isEnabled();
    });
  }

  ReceivePage page{context};
};

TEST_F(ReceiveFavouritesTest, ListsReceiveFavouritesLastFirstAndSelectsTheFirst) {
  answer(kReceiveFavouritesTarget,
         "1001#c-悦读 小说#c-0.50#c+1002#c-某站登录#c-1.00#c+"
         "2001#c-某服务(发送号码:10690#10691)#c-0.10#c+1003#c-发送验证#c-0.3#c+1004#c-短");
  ASSERT_TRUE(refreshUntilFirstItemIs("[1002]某站登录 - {价格}：1.00"));
  EXPECT_EQ(itemsOf(projects()),
            (QStringList{"[1002]某站登录 - {价格}：1.00", "[1001]悦读小说 - {价格}：0.50"}));
  EXPECT_EQ(projects()->currentIndex(), 0);
  EXPECT_EQ(targets(), std::vector<std::string>{kReceiveFavouritesTarget});
}

TEST_F(ReceiveFavouritesTest, WithoutReceiveFavouritesOnlyThePlaceholderIsLeft) {
  const QString placeholder = "您未收藏[短信项目]，可通过关键字或项目ID进行搜索。";
  answer(kReceiveFavouritesTarget, "1001#c-甲#c-0.5");
  ASSERT_TRUE(refreshUntilFirstItemIs("[1001]甲 - {价格}：0.5"));
  for (const char* reply : {"", "0|用户名或密码错误", "2001#c-某(发送号码:1)#c-0.1"}) {
    answer(kReceiveFavouritesTarget, reply);
    ASSERT_TRUE(refreshUntilFirstItemIs(placeholder)) << reply;
    EXPECT_EQ(projects()->count(), 1);
    EXPECT_EQ(projects()->currentIndex(), 0);
  }
}

class SendFavouritesTest : public ProjectsFixture {
 protected:
  SendFavouritesTest() { page.show(); }
  QComboBox* projects() const { return page.findChild<QComboBox*>("组合框_发短信_项目列表"); }
  QComboBox* senderNumbers() const { return page.findChild<QComboBox*>("组合框_发送号码"); }
  bool refreshUntilFirstItemIs(const QString& first) {
    page.findChild<QPushButton*>("按钮_发短信刷新")->click();
    return waitUntil([&] {
      return projects()->count() > 0 && projects()->itemText(0) == first && page.isEnabled();
    });
  }
  // The user picks a project of the list.
  void pick(int index) {
    projects()->setCurrentIndex(index);
    emit projects()->activated(index);
  }

  SendPage page{context};
};

constexpr const char* kTwoSendFavourites =
    "2001#c-某服务(发送号码:10690#10691)#c-0.10#c+1001#c-收码#c-0.5#c+"
    "2002#c-另 一个(发送号码:10086##10010)#c-0.20#c+1003#c-发送验证#c-1";

TEST_F(SendFavouritesTest, ListsSendFavouritesWithTheirSenderNumbers) {
  answer(kSendFavouritesTarget, kTwoSendFavourites);
  ASSERT_TRUE(refreshUntilFirstItemIs("[2002]另一个 - {价格}：0.20 - (发短信)"));
  EXPECT_EQ(itemsOf(projects()), (QStringList{"[2002]另一个 - {价格}：0.20 - (发短信)",
                                              "[2001]某服务 - {价格}：0.10 - (发短信)"}));
  EXPECT_EQ(itemsOf(senderNumbers()), (QStringList{"10086", "", "10010", "10690", "10691"}));
  EXPECT_EQ(senderNumbers()->currentIndex(), 0);
  EXPECT_EQ(gbkToUtf8(session.sendProjectLines),
            "另一个(发送号码:10086##10010)\r\n某服务(发送号码:10690#10691)\r\n");
  EXPECT_EQ(targets(), std::vector<std::string>{kSendFavouritesTarget});
}

TEST_F(SendFavouritesTest, PickingAProjectNarrowsTheSenderNumbersToIt) {
  answer(kSendFavouritesTarget, kTwoSendFavourites);
  ASSERT_TRUE(refreshUntilFirstItemIs("[2002]另一个 - {价格}：0.20 - (发短信)"));
  pick(1);
  EXPECT_EQ(itemsOf(senderNumbers()), (QStringList{"10690", "10691"}));
  pick(0);
  EXPECT_EQ(itemsOf(senderNumbers()), (QStringList{"10086", "", "10010"}));
  EXPECT_EQ(senderNumbers()->currentIndex(), 0);
}

TEST_F(SendFavouritesTest, WithoutSendFavouritesTheSenderNumbersStayAsTheyWere) {
  answer(kSendFavouritesTarget, kTwoSendFavourites);
  ASSERT_TRUE(refreshUntilFirstItemIs("[2002]另一个 - {价格}：0.20 - (发短信)"));
  const QString placeholder = "您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。";
  answer(kSendFavouritesTarget, "1001#c-收码#c-0.5");
  ASSERT_TRUE(refreshUntilFirstItemIs(placeholder));
  EXPECT_EQ(projects()->count(), 1);
  EXPECT_EQ(itemsOf(senderNumbers()), (QStringList{"10086", "", "10010", "10690", "10691"}));
  EXPECT_EQ(session.sendProjectLines, "");
  pick(0);  // the placeholder names no project: nothing changes
  EXPECT_EQ(senderNumbers()->count(), 5);
}

TEST_F(SendFavouritesTest, OverlappingRunsLeaveOneRunsListsWhole) {
  // The first run's reply comes late, so the second run finishes first and the first run's
  // lists replace its lists; never a mix of both. (The second run starts while the first runs,
  // as when the receive worker has enabled the window again and the user clicks refresh.)
  std::atomic<int> calls{0};
  ScriptedHttpServer slowFirst([&](const ScriptedRequest&) {
    if (calls++ == 0) {
      return ScriptedReply{
          .body = utf8ToGbk("2001#c-甲(发送号码:1#2)#c-0.1#c+2002#c-乙(发送号码:3)#c-0.2"),
          .delay = std::chrono::milliseconds(400)};
    }
    return ScriptedReply::text(utf8ToGbk("2003#c-丙(发送号码:9)#c-0.3"));
  });
  session.addresses = buildServiceAddresses("127.0.0.1", slowFirst.port() - 83);
  page.startFavouritesWorker();
  ASSERT_TRUE(waitUntil([&] { return calls == 1; }));
  page.startFavouritesWorker();
  ASSERT_TRUE(waitUntil([&] { return projects()->itemText(0).startsWith("[2003]"); }));
  ASSERT_TRUE(waitUntil([&] { return projects()->itemText(0).startsWith("[2002]"); }));
  EXPECT_EQ(itemsOf(projects()), (QStringList{"[2002]乙 - {价格}：0.2 - (发短信)",
                                              "[2001]甲 - {价格}：0.1 - (发短信)"}));
  EXPECT_EQ(itemsOf(senderNumbers()), (QStringList{"3", "1", "2"}));
  EXPECT_EQ(gbkToUtf8(session.sendProjectLines), "乙(发送号码:3)\r\n甲(发送号码:1#2)\r\n");
  EXPECT_TRUE(waitUntil([&] { return page.isEnabled(); }));
}

}  // namespace
}  // namespace verdomo::test
