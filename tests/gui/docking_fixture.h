#pragma once
// The docking pages on the offscreen platform against one scripted platform (support/
// scripted_platform.h). The own list holds an active and a paused docking and a row whose state
// the platform wrote otherwise; the public list three dockings named 甲服务, 乙服务, 甲服务.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {

inline constexpr const char* kOwnDockings =
    "正常#c-ACTIVE1234567#c-星空 直播(发送号码:10690)#c-0.20#c-x#c-35#c-a#c-b#c-c#c+"
    "暂停#c-PAUSED1234567#c-快拼优选#c-0.45#c-x#c-0#c-a#c-b#c-c#c+"
    "审核中#c-REVIEW1234567#c-乐享外卖#c-0.30#c-x#c-3#c-a#c-b#c-c";
inline constexpr const char* kPublicDockings =
    "正常#c-FIRST12345678#c-甲服务#c-0.30#c-x#c-12#c-a#c-b#c-c#c+"
    "正常#c-SECOND1234567#c-乙服务#c-0.40#c-x#c-5#c-a#c-b#c-c#c+"
    "正常#c-THIRD12345678#c-甲服务(发送号码:1069)#c-0.50#c-x#c-7#c-a#c-b#c-c";
inline constexpr const char* kOwnListTarget = "/yh_zs_lb/username=demo01&password=pw";
inline constexpr const char* kPublicListTarget = "/yh_zs_gk_lb/username=demo01&password=pw";

class DockingFixture : public testing::Test, public ScriptedPlatform {
 protected:
  DockingFixture() : context{{}, {}, session, dialogs, clock, Pacing{0.01}} {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = addresses();
    answer("/yh_zs_lb/", kOwnDockings);
    answer("/yh_zs_gk_lb/", kPublicDockings);
  }

  template <typename T>
  static T* control(const QWidget* page, const char* name) {
    return page->findChild<T*>(QString::fromUtf8(name));
  }
  static QStringList column(const QTreeWidget* list, int index) {
    QStringList cells;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      cells << list->topLevelItem(row)->text(index);
    return cells;
  }
  static QStringList captions(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
      texts << action->text();
    return texts;
  }
  static QAction* item(const QMenu* menu, const char* caption) {
    for (QAction* action : menu->actions()) {
      if (action->text() == QString::fromUtf8(caption)) return action;
    }
    return nullptr;
  }
  static void selectRow(QTreeWidget* list, int row) {
    list->setCurrentItem(row < 0 ? nullptr : list->topLevelItem(row));
    if (row < 0) list->clearSelection();
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context;
};

}  // namespace verdomo::test
