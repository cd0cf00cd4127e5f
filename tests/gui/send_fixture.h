#pragma once
// The 发短信 page on the offscreen platform against one scripted platform (support/
// scripted_platform.h), which also plays the segment service. Two send projects are loaded: 甲站
// (ID 2001, service numbers 1069 and 1070) is selected; 乙站 has ID 1000.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "send/send_page.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {

inline constexpr const char* kProject2001 = "[2001]甲站 - {价格}：0.80 - (发短信)";
inline constexpr const char* kProject1000 = "[1000]乙站 - {价格}：0.50 - (发短信)";

class SendFixture : public testing::Test, public ScriptedPlatform {
 protected:
  SendFixture() : context{{}, {}, session, dialogs, systemClock(), Pacing{0.01}} {
    session.userName = "demo01";
    session.password = "pw";
    session.sendLoopFlag = "1";
    session.sendProjectLines = utf8ToGbk("甲站(发送号码:1069#1070)\r\n乙站(发送号码:1080)\r\n");
    session.addresses = addresses();
    context.config.segmentUrl = server.baseUrl();
    page = std::make_unique<SendPage>(context);
    page->show();
    projects()->addItems(
        {"您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。", kProject2001, kProject1000});
    pickProject(1);
  }
  ~SendFixture() override { page.reset(); }

  static const Clock& systemClock() {
    static const SystemClock clock;  // outlives every worker of every test
    return clock;
  }

  template <typename T>
  T* control(const char* name) const {
    return page->findChild<T*>(QString::fromUtf8(name));
  }
  QComboBox* projects() const { return control<QComboBox>("组合框_发短信_项目列表"); }
  QComboBox* serviceNumbers() const { return control<QComboBox>("组合框_发送号码"); }
  QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
  QString text(const char* name) const {
    if (auto* box = control<QPlainTextEdit>(name)) return box->toPlainText();
    if (auto* label = control<QLabel>(name)) return label->text();
    return edit(name)->text();
  }
  void click(const char* name) { control<QPushButton>(name)->click(); }
  QStringList items(const QComboBox* box) const {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
      texts << box->itemText(i);
    return texts;
  }

  // The user picks item `index` of the project list.
  void pickProject(int index) {
    projects()->setCurrentIndex(index);
    emit projects()->activated(index);
  }

  // Takes 13800138000 of 甲站 (in 广东), with its service number 1069 selected.
  void takeNumber() {
    answer("/yh_qh/", "1|13800138000");
    answer("/cc/json/mobile_tel_segment.htm?tel=13800138000", "{province:'广东',}");
    click("按钮_发短信_获取号码");
  }

  SessionState session;
  RecordingDialogs dialogs;
  AppContext context;
  std::unique_ptr<SendPage> page;
};

}  // namespace verdomo::test
