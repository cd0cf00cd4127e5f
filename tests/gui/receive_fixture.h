#pragma once
// The 取号 page on the offscreen platform against one scripted platform (support/
// scripted_platform.h), which also plays the segment service.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "receive/receive_page.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {

inline constexpr const char* kProject1021 = "[1021]星空直播注册 - {价格}：1.50";

class ReceiveFixture : public testing::Test, public ScriptedPlatform {
 protected:
  explicit ReceiveFixture(const Clock& clock = systemClock())
      : context{{}, {}, session, dialogs, clock, Pacing{0.01}} {
    session.userName = "demo01";
    session.password = "pw";
    session.receiveLoopFlag = "1";
    session.addresses = addresses();
    context.config.segmentUrl = server.baseUrl();
    openPage();
  }
  ~ReceiveFixture() override { page.reset(); }

  // A new page with the projects 1021 (selected), 1000 and 1001 and the placeholder.
  void openPage() {
    page = std::make_unique<ReceivePage>(context);
    page->show();
    projects()->addItems({"您未收藏[短信项目]，可通过关键字或项目ID进行搜索。", kProject1021,
                          "[1000]某站 - {价格}：1", "[1001]某站 - {价格}：1"});
    projects()->setCurrentIndex(1);
  }

  static const Clock& systemClock() {
    static const SystemClock clock;  // outlives every worker of every test
    return clock;
  }

  template <typename T>
  T* control(const char* name) const {
    return page->findChild<T*>(QString::fromUtf8(name));
  }
  QComboBox* projects() const { return control<QComboBox>("组合框_取号_项目列表"); }
  QTreeWidget* list() const { return control<QTreeWidget>("超级列表框_取码_列表框"); }
  QPushButton* takeButton() const { return control<QPushButton>("按钮_取号_获取号码"); }
  QString cell(int row, int column) const { return list()->topLevelItem(row)->text(column); }
  QStringList column(int index) const {
    QStringList cells;
    for (int row = 0; row < list()->topLevelItemCount(); ++row)
      cells << cell(row, index);
    return cells;
  }
  void selectRow(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }

  // Clicks "获取手机号码" with this quantity and waits until `done` holds and the take worker
  // is over.
  bool take(const QString& quantity, const std::function<bool()>& done) {
    control<QLineEdit>("编辑框_取号_获取数量")->setText(quantity);
    takeButton()->click();
    return waitUntil([&] { return done() && !page->takeRunning(); }, 10000);
  }
  int rowCount() const { return list()->topLevelItemCount(); }

  SessionState session;
  RecordingDialogs dialogs;
  AppContext context;
  std::unique_ptr<ReceivePage> page;
};

// Answers "1|<number>" with numbers 13800000001, 13800000002, … in order, refusing the calls
// whose 1-based position is in `refused`.
inline std::function<ScriptedReply(const ScriptedRequest&)> numberSequence(
    std::vector<int> refused = {}, std::string refusal = "0|没有可用号码") {
  auto calls = std::make_shared<std::atomic<int>>(0);
  auto issued = std::make_shared<std::atomic<int>>(0);
  return [=](const ScriptedRequest&) {
    const int call = ++*calls;
    if (std::find(refused.begin(), refused.end(), call) != refused.end())
      return ScriptedReply::text(utf8ToGbk(refusal));
    return ScriptedReply::text("1|" + std::to_string(13800000000LL + ++*issued));
  };
}

}  // namespace verdomo::test
