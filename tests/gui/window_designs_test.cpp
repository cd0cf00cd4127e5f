// The window designs of the main window's pages and of the modal windows: every control the
// handlers look up by name is there with its kind, and what the handlers rely on (list columns,
// combo items, captions, sizes, hidden bars, accessible names) is as designed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QValidator>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "docking/docking_page.h"
#include "docking/public_docking_page.h"
#include "funds/change_password_window.h"
#include "funds/profile_window.h"
#include "funds/recharge_records_page.h"
#include "funds/recharge_window.h"
#include "funds/referral_records_page.h"
#include "funds/security_question_window.h"
#include "funds/sms_records_page.h"
#include "funds/withdraw_window.h"
#include "funds/withdrawal_records_page.h"
#include "projects/apply_project_window.h"
#include "projects/project_list_page.h"
#include "receive/receive_page.h"
#include "send/send_page.h"
#include "support/case_name.h"
#include "support/recording_dialogs.h"
#include "ui/picture.h"

namespace verdomo::test {
namespace {

enum class Kind {
  Edit,
  MultiLine,
  Combo,
  List,
  CheckBox,
  Radio,
  Button,
  LargeButton,
  Label,
  Picture,
  ProgressBar,
  Group,
  Tabs
};

struct Control {
  const char* name;
  Kind kind;
  // Caption, title or initial content; not looked at when null.
  const char* text = nullptr;
  // What a screen reader calls the box; only the boxes have one.
  const char* accessibleName = nullptr;
  // Where the design puts it, relative to its parent; not looked at when absent.
  std::optional<QRect> geometry = std::nullopt;
  // Hidden at design time; a handler shows it while it is needed. Busy bars always are.
  bool hidden = false;
};

struct Design {
  std::string name;  // the class, which is also the object name the design gives the window
  std::function<std::unique_ptr<QWidget>(AppContext&)> build;
  std::vector<Control> controls;
};

// Failures name the design, not the bytes of the table row.
void PrintTo(const Design& design, std::ostream* out) {
  *out << design.name;
}

template <typename Window>
std::function<std::unique_ptr<QWidget>(AppContext&)> builder() {
  return [](AppContext& context) { return std::make_unique<Window>(context, nullptr); };
}

bool isOfKind(QWidget* control, Kind kind) {
  switch (kind) {
    case Kind::Edit:
      return qobject_cast<QLineEdit*>(control) != nullptr;
    case Kind::MultiLine:
      return qobject_cast<QPlainTextEdit*>(control) != nullptr;
    case Kind::Combo:
      return qobject_cast<QComboBox*>(control) != nullptr;
    case Kind::List:
      return qobject_cast<QTreeWidget*>(control) != nullptr;
    case Kind::CheckBox:
      return qobject_cast<QCheckBox*>(control) != nullptr;
    case Kind::Radio:
      return qobject_cast<QRadioButton*>(control) != nullptr;
    case Kind::Button:
      return qobject_cast<QPushButton*>(control) != nullptr;
    case Kind::LargeButton:
      return qobject_cast<QToolButton*>(control) != nullptr ||
             qobject_cast<QPushButton*>(control) != nullptr;
    case Kind::Label:
    case Kind::Picture:
      return qobject_cast<QLabel*>(control) != nullptr;
    case Kind::ProgressBar:
      return qobject_cast<QProgressBar*>(control) != nullptr;
    case Kind::Group:
      return qobject_cast<QGroupBox*>(control) != nullptr;
    case Kind::Tabs:
      return qobject_cast<QTabWidget*>(control) != nullptr;
  }
  return false;
}

// The text a control shows: caption, title or content.
std::optional<QString> shownText(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* multiLine = qobject_cast<QPlainTextEdit*>(control)) return multiLine->toPlainText();
  if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
  return std::nullopt;
}

bool isBox(QWidget* control) {
  return qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
         qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QTreeWidget*>(control);
}

// The row of the paged record views, left to right, under the list.
std::vector<Control> recordRow(std::vector<const char*> names, const char* totalCaption,
                               const char* searchBox) {
  const Kind kinds[] = {Kind::Label,       Kind::Label,       Kind::Label,  Kind::Label,
                        Kind::Label,       Kind::Edit,        Kind::Button, Kind::LargeButton,
                        Kind::LargeButton, Kind::LargeButton, Kind::Label,  Kind::LargeButton,
                        Kind::LargeButton};
  const char* texts[] = {"数量：",  "",     totalCaption, "",    "项目ID/手机号：", "",    "查询",
                         " 刷新 >", "首页", "<< 上一页 ", "0/0", " 下一页 >>",      "尾页"};
  std::vector<Control> row;
  for (std::size_t i = 0; i < names.size(); ++i) {
    row.push_back(
        {names[i], kinds[i], texts[i], names[i] == searchBox ? "项目ID/手机号" : nullptr});
  }
  return row;
}

std::vector<Control> joined(std::vector<Control> first, const std::vector<Control>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

const std::vector<Design>& designs() {
  static const std::vector<Design> all = {
      {"ProjectListPage",
       builder<ProjectListPage>(),
       {{"超级列表框_项目列表_收短信", Kind::List, nullptr, "项目列表"},
        {"透明标签_项目列表_收短信_搜索标签", Kind::Label, "搜索项目/ID:"},
        {"编辑框_项目列表_收短信_搜索项目", Kind::Edit, "", "搜索项目/ID"},
        {"按钮_项目列表_收短信_搜索", Kind::Button, "搜索"},
        {"按钮_项目列表_收短信_刷新", Kind::Button, "刷新(R)"},
        {"选择框_已收藏项目列表", Kind::CheckBox, "查看已收藏项目列表"},
        {"超级按钮1", Kind::LargeButton, "添加项目"},
        {"进度条1", Kind::ProgressBar}}},
      {"DockingPage",
       builder<DockingPage>(),
       {{"超级列表框_专属列表", Kind::List, nullptr, "专属对接列表"},
        {"超级按钮_加入对接", Kind::LargeButton, "加入对接(A)"},
        {"超级按钮_删除对接", Kind::LargeButton, "删除对接(S)"},
        {"超级按钮_专属_刷新", Kind::LargeButton, "刷新(R)"},
        {"进度条3", Kind::ProgressBar},
        {"分组框_加入对接", Kind::Group, "", nullptr, std::nullopt, true},
        {"透明标签12", Kind::Label, "请输入卡商的对接码："},
        {"编辑框_加入对接", Kind::Edit, "", "请输入卡商的对接码"},
        {"按钮_加入对接", Kind::Button, "确定"},
        {"按钮_加入对接取消", Kind::Button, "取消"},
        {"分组框5", Kind::Group, ""},
        {"标签5", Kind::Label,
         "1、用户要和卡商对接时请与卡商联系，双方协定价格后由卡商建立对接项。"},
        {"标签2", Kind::Label, "2、卡商将对接码发给用户，由用户加入专属对接。"},
        {"标签3", Kind::Label, "3、加入对接后用户该项目的号码只能获取指定卡商"},
        {"标签4", Kind::Label, "4、同个项目存在多个对接时，随机获取指定的对接"}}},
      {"ReceivePage",
       builder<ReceivePage>(),
       {{"组合框_取号_项目列表", Kind::Combo, nullptr, "项目"},
        {"编辑框1", Kind::Edit, "", "搜索项目"},
        {"按钮", Kind::Button, "搜索"},
        {"按钮_取号刷新", Kind::Button, "刷新"},
        {"选择框_取号_不过滤", Kind::CheckBox, "不过滤已做号码"},
        {"选择框_取号_不过滤1", Kind::CheckBox, "\n不用号码请释放加黑"},
        {"组合框_运营商", Kind::Combo, nullptr, "运营商"},
        {"组合框_地区", Kind::Combo, nullptr, "归属地"},
        {"组合框_卡型", Kind::Combo, nullptr, "卡型"},
        {"编辑框_取号_指定", Kind::Edit, "", "手机号"},
        {"按钮_取号_指定", Kind::Button, "指定手机号码"},
        {"编辑框_取号_获取数量", Kind::Edit, "1", "取号数量"},
        {"按钮_取号_获取号码", Kind::Button, "获取手机号码"},
        {"按钮_取号_全部加黑", Kind::Button, "号码加黑"},
        {"按钮_取号全部释放", Kind::Button, "释放号码"},
        {"透明标签_取号_状态提示", Kind::Label, ""},
        {"标签_读取1", Kind::Label, ""},
        {"超级列表框_取码_列表框", Kind::List, nullptr, "号码列表"},
        {"透明标签_取号_项目", Kind::Label, "项目："},
        {"透明标签_取号_运营商", Kind::Label, "运营商："},
        {"透明标签_取号_归属地", Kind::Label, "归属地："},
        {"透明标签_取号_卡型", Kind::Label, "卡型："},
        {"透明标签_取号_取号数量", Kind::Label, "取号数量："},
        {"透明标签_取号_手机号", Kind::Label, "手机号："}}},
      {"SendPage",
       builder<SendPage>(),
       {{"组合框_发短信_项目列表", Kind::Combo, nullptr, "收藏项目"},
        {"编辑框3", Kind::Edit, "", "搜索项目"},
        {"按钮4", Kind::Button, "搜索"},
        {"按钮_发短信刷新", Kind::Button, "刷新"},
        {"选择框_发短信_不过滤", Kind::CheckBox, "不过滤已做号码"},
        {"组合框_运营商1", Kind::Combo, nullptr, "运营商"},
        {"组合框_地区1", Kind::Combo, nullptr, "归属地"},
        {"组合框_卡型1", Kind::Combo, nullptr, "卡型"},
        {"编辑框_发短信_获取号码", Kind::Edit, "", "手机号码"},
        {"按钮_发短信_获取号码", Kind::Button, "取号"},
        {"按钮_发短信_复制手机号码", Kind::Button, "复制手机号码"},
        {"按钮_发短信_全部加黑", Kind::Button, "号码加黑"},
        {"按钮_发短信_全部释放", Kind::Button, "释放号码"},
        {"编辑框_发短信_指定", Kind::Edit, "", "指定号码"},
        {"按钮_发短信_指定", Kind::Button, "指定取号"},
        {"组合框_发送号码", Kind::Combo, nullptr, "发送号码"},
        {"编辑框_发短信_发送内容", Kind::Edit, "", "发送内容"},
        {"按钮_发短信_提交发短信内容", Kind::Button, "发送短信"},
        {"编辑框_发短信_短信内容", Kind::MultiLine, "", "短信内容"},
        {"按钮_发短信_复制短信", Kind::Button, "复制短信"},
        {"透明标签_发短信_号码所属", Kind::Label, ""},
        {"编辑框_发短信_取号时间", Kind::Edit, "", "取号时间"},
        {"编辑框_发短信_取码状态", Kind::Edit, "", "状态"},
        {"透明标签40", Kind::Label, ""},
        {"透明标签_发短信_收藏项目", Kind::Label, "收藏项目："},
        {"透明标签_发短信_运营商", Kind::Label, "运营商："},
        {"透明标签_发短信_归属地", Kind::Label, "归属地："},
        {"透明标签_发短信_卡型", Kind::Label, "卡型："},
        {"透明标签_发短信_手机号码", Kind::Label, "手机号码："},
        {"透明标签_发短信_指定号码", Kind::Label, "指定号码："},
        {"透明标签_发短信_发送号码", Kind::Label, "发送号码："},
        {"透明标签_发短信_发送内容", Kind::Label, "发送内容:"},
        {"透明标签_发短信_短信内容", Kind::Label, "短信内容："},
        {"透明标签_发短信_取号时间", Kind::Label, "取号时间："},
        {"透明标签_发短信_状态", Kind::Label, "状态："}}},
      {"SmsRecordsPage", builder<SmsRecordsPage>(),
       joined({{"超级列表框_短信明细", Kind::List, nullptr, "短信明细", QRect(4, 4, 1015, 471)},
               {"进度条4", Kind::ProgressBar, nullptr, nullptr, QRect(204, 148, 591, 16)}},
              recordRow(
                  {"透明标签30", "透明标签32", "透明标签33", "透明标签34", "透明标签31",
                   "编辑框_短信明细_搜索", "按钮_短信明细_搜索", "超级按钮_短信明细_刷新",
                   "超级按钮_短信明细_首页", "超级按钮_短信明细_上一页", "透明标签_短信明细_页数",
                   "超级按钮_短信明细_下一页", "超级按钮_短信明细_尾页"},
                  "总消费：", "编辑框_短信明细_搜索"))},
      {"ReferralRecordsPage", builder<ReferralRecordsPage>(),
       joined({{"超级列表框_推荐人明细", Kind::List, nullptr, "推荐人明细", QRect(4, 4, 1015, 471)},
               {"进度条6", Kind::ProgressBar, nullptr, nullptr, QRect(204, 148, 591, 16)}},
              recordRow({"透明标签2", "透明标签32_推荐人", "透明标签4", "透明标签34_推荐人",
                         "透明标签6", "编辑框_推荐人明细_搜索", "按钮_推荐人明细_搜索",
                         "超级按钮_推荐人明细_刷新", "超级按钮_推荐人明细_首页",
                         "超级按钮_推荐人明细_上一页", "透明标签_推荐人明细_页数",
                         "超级按钮_推荐人明细_下一页", "超级按钮_推荐人明细_尾页"},
                        "推荐收入：", "编辑框_推荐人明细_搜索"))},
      {"WithdrawalRecordsPage",
       builder<WithdrawalRecordsPage>(),
       {{"超级列表框_提现明细", Kind::List, nullptr, "提现记录", QRect(4, 4, 1015, 502)},
        {"进度条5", Kind::ProgressBar, nullptr, nullptr, QRect(204, 148, 591, 16)}}},
      {"RechargeRecordsPage",
       builder<RechargeRecordsPage>(),
       {{"超级列表框_充值记录", Kind::List, nullptr, "充值记录", QRect(4, 4, 1015, 502)},
        {"进度条2", Kind::ProgressBar, nullptr, nullptr, QRect(204, 148, 591, 16)}}},
      {"PublicDockingPage",
       builder<PublicDockingPage>(),
       {{"超级列表框_公开专属列表", Kind::List, nullptr, "公开专属列表"},
        {"透明标签_公开搜索标签2", Kind::Label, "搜索项目/ID:"},
        {"编辑框_公开搜索", Kind::Edit, "", "搜索项目/ID"},
        {"查找", Kind::Button, "关键字查找"},
        {"查找下一个", Kind::Button, "查找下一个"},
        {"查找上一个", Kind::Button, "查找上一个"},
        {"进度条7", Kind::ProgressBar}}},
      {"ApplyProjectWindow",
       builder<ApplyProjectWindow>(),
       {{"单选框1", Kind::Radio, "收短信"},
        {"单选框2", Kind::Radio, "发短信"},
        {"高级选择夹2", Kind::Tabs},
        {"透明标签30", Kind::Label, "项目名称："},
        {"编辑框_收码项目名", Kind::Edit, "", "项目名称"},
        {"透明标签98", Kind::Label, "*"},
        {"透明标签28", Kind::Label, "短信模板："},
        {"编辑框_收码短信模板", Kind::MultiLine, "", "短信模板"},
        {"透明标签97", Kind::Label, "*"},
        {"按钮_收码添加", Kind::Button, "确定"},
        {"透明标签94", Kind::Label, "    项目名称：项目名称必填(如XXX注册-登录)"},
        {"透明标签90", Kind::Label,
         "       短信模板：网站发送验证码到手机如：\n\n"
         "(XXX你好感谢你注册XXX会员你获得的6位验证码是352156) "},
        {"透明标签36", Kind::Label, "项目名称："},
        {"编辑框_发码项目名称", Kind::Edit, "", "项目名称"},
        {"透明标签33", Kind::Label, "*"},
        {"透明标签34", Kind::Label, "发送号码："},
        {"编辑框_发码发送号码", Kind::MultiLine, "", "发送号码"},
        {"透明标签31", Kind::Label, "*"},
        {"按钮_发码添加", Kind::Button, "确定"},
        {"透明标签95", Kind::Label, "项目名称：项目名称必填(如XXX注册-登录)"},
        {"透明标签96", Kind::Label,
         "发送号码：如（106**）\n\n多个发送号码用#隔开如（106**#106**）\n"}}},
      {"WithdrawWindow",
       builder<WithdrawWindow>(),
       {{"透明标签29", Kind::Label, "提现金额：", nullptr, QRect(9, 12, 56, 16)},
        {"编辑框4", Kind::Edit, "", "提现金额", QRect(64, 8, 262, 24)},
        {"按钮5", Kind::Button, "确定", nullptr, QRect(328, 8, 56, 24)},
        {"透明标签35", Kind::Label,
         "1：申请提现10元起 [到账时间为当天]\n\n2：每次提现需要间隔10分钟才能在次发起提现申请。",
         nullptr, QRect(9, 39, 375, 53)}}},
      {"RechargeWindow",
       builder<RechargeWindow>(),
       {{"高级选择夹1", Kind::Tabs},
        {"透明标签55", Kind::Label, "第一步：", nullptr, QRect(17, 28, 287, 40)},
        {"按钮1", Kind::Button, "复制转账支付宝", nullptr, QRect(320, 36, 105, 24)},
        {"图片框1", Kind::Picture, nullptr, nullptr, QRect(34, 71, 264, 244)},
        {"透明标签1", Kind::Label,
         "转账时[添加备注]，请填写平台用户名方可自动到账。低于10元不到账！！！", nullptr,
         QRect(329, 96, 184, 176)},
        {"透明标签56", Kind::Label,
         "第二步：使用支付宝交易号例子：2018010120003001110016521811****（平台会记录转账的金额）"},
        {"透明标签57", Kind::Label,
         "第三步：输入完成转账交易的支付宝交易号再点击确认充值按钮，即可完成帐号充值", nullptr,
         QRect(16, 346, 506, 40)},
        {"透明标签58", Kind::Label, "订单号：", nullptr, QRect(13, 388, 56, 32)},
        {"编辑框_支付宝订单", Kind::Edit, "", "订单号", QRect(68, 389, 387, 27)},
        {"按钮_支付宝充值", Kind::Button, "充值", nullptr, QRect(457, 388, 80, 29)},
        {"透明标签36", Kind::Label, "支付宝充值金额：", nullptr, QRect(126, 36, 91, 16)},
        {"编辑框_二维码充值金额", Kind::Edit, "", "支付宝充值金额", QRect(222, 32, 55, 24)},
        {"按钮_二维码充值", Kind::Button, "充值", nullptr, QRect(286, 32, 56, 24)},
        {"图片框2", Kind::Picture, nullptr, nullptr, QRect(120, 70, 248, 224)},
        {"透明标签2", Kind::Label, "正在生成二维码请稍后..", nullptr, QRect(379, 161, 160, 25),
         true},
        {"透明标签103", Kind::Label,
         "输入充值的金额最低10元起，点击【充值】按钮系统会自动分配付款二维码付款成功后1分钟内自动"
         "充值到平台账户中，充值如有问题请联系在线客服。",
         nullptr, QRect(56, 307, 402, 101)}}},
      {"ChangePasswordWindow",
       builder<ChangePasswordWindow>(),
       {{"透明标签8", Kind::Label, "安全问题：", nullptr, QRect(3, 12, 56, 24)},
        {"组合框_修改密码_安全问题", Kind::Combo, nullptr, "安全问题", QRect(56, 11, 192, 20)},
        {"透明标签9", Kind::Label, "安全答案：", nullptr, QRect(3, 47, 56, 24)},
        {"编辑框_修改密码_安全答案", Kind::Edit, "", "安全答案", QRect(56, 44, 192, 24)},
        {"透明标签10", Kind::Label, "新密码：", nullptr, QRect(3, 80, 56, 24)},
        {"编辑框_修改密码_新密码", Kind::Edit, "", "新密码", QRect(56, 80, 192, 24)},
        {"透明标签11", Kind::Label, "确认密码：", nullptr, QRect(3, 116, 56, 24)},
        {"编辑框_修改密码_确认码", Kind::Edit, "", "确认密码", QRect(56, 116, 192, 24)},
        {"按钮_修改密码_保存", Kind::Button, "确定", nullptr, QRect(80, 145, 125, 32)}}},
      {"ProfileWindow",
       builder<ProfileWindow>(),
       {{"透明标签13", Kind::Label, "安全问题：", nullptr, QRect(16, 9, 56, 24)},
        {"组合框_修改个人资料_安全问题", Kind::Combo, nullptr, "安全问题", QRect(78, 8, 216, 20)},
        {"透明标签14", Kind::Label, "安全答案：", nullptr, QRect(16, 44, 56, 24)},
        {"编辑框_修改个人资_安全答案", Kind::Edit, "", "安全答案", QRect(78, 41, 216, 24)},
        {"透明标签5", Kind::Label, "联系QQ：", nullptr, QRect(30, 77, 48, 16)},
        {"编辑框_修改个人资_联系QQ", Kind::Edit, "", "联系QQ", QRect(78, 74, 216, 24)},
        {"透明标签6", Kind::Label, "真实姓名：", nullptr, QRect(18, 115, 56, 16)},
        {"编辑框_修改个人资_真实姓名", Kind::Edit, "", "真实姓名", QRect(78, 112, 216, 24)},
        {"透明标签7", Kind::Label, "支付宝：", nullptr, QRect(29, 155, 43, 16)},
        {"编辑框_修改个人资_支付宝", Kind::Edit, "", "支付宝", QRect(78, 152, 216, 24)},
        {"按钮_修改个人资_保存", Kind::Button, "确定", nullptr, QRect(104, 189, 128, 32)}}},
      {"SecurityQuestionWindow",
       builder<SecurityQuestionWindow>(),
       {{"透明标签1", Kind::Label, "安全问题：", nullptr, QRect(9, 17, 56, 24)},
        {"组合框_修改安全信息_旧问题", Kind::Combo, nullptr, "安全问题", QRect(80, 19, 240, 20)},
        {"透明标签2", Kind::Label, "安全答案：", nullptr, QRect(9, 52, 56, 24)},
        {"编辑框_修改安全信息_旧答案", Kind::Edit, "", "安全答案", QRect(80, 49, 240, 24)},
        {"透明标签3", Kind::Label, "新安全问题：", nullptr, QRect(9, 88, 73, 24)},
        {"组合框_修改安全信息_新问题", Kind::Combo, nullptr, "新安全问题", QRect(80, 88, 240, 20)},
        {"透明标签4", Kind::Label, "新安全答案：", nullptr, QRect(9, 126, 71, 24)},
        {"编辑框_修改安全信息_新答案", Kind::Edit, "", "新安全答案", QRect(80, 124, 240, 24)},
        {"按钮_修改安全信息_保存", Kind::Button, "确定", nullptr, QRect(108, 157, 132, 32)}}},
  };
  return all;
}

const Design& design(const std::string& name) {
  for (const Design& candidate : designs()) {
    if (candidate.name == name) return candidate;
  }
  throw std::invalid_argument("no design " + name);
}

// Builds windows the way the main window does, with a context of their own.
class Windows {
 protected:
  std::unique_ptr<QWidget> build(const std::string& name) { return design(name).build(context); }
  // The control of that name and type; a missing one fails the test (the exception says which).
  template <typename T>
  static T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) {
      throw std::runtime_error(window.objectName().toStdString() + " lacks " + name);
    }
    return found;
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{}};
};

class WindowDesign : public Windows, public testing::TestWithParam<Design> {};

TEST_P(WindowDesign, HoldsEveryControlItsHandlersLookFor) {
  const auto window = build(GetParam().name);
  EXPECT_EQ(window->objectName().toStdString(), GetParam().name);
  for (const Control& expected : GetParam().controls) {
    SCOPED_TRACE(expected.name);
    const auto found = window->findChildren<QWidget*>(QString::fromUtf8(expected.name));
    ASSERT_EQ(found.size(), 1) << "the name must lead to exactly one control";
    QWidget* control = found.front();
    EXPECT_TRUE(isOfKind(control, expected.kind)) << control->metaObject()->className();
    if (expected.text != nullptr) {
      EXPECT_EQ(shownText(control), QString::fromUtf8(expected.text));
    }
    if (expected.accessibleName != nullptr) {
      EXPECT_EQ(control->accessibleName(), QString::fromUtf8(expected.accessibleName));
    }
    if (expected.geometry) {
      EXPECT_EQ(control->geometry(), *expected.geometry);
    }
  }
}

TEST_P(WindowDesign, NamesEveryBoxForScreenReaders) {
  const auto window = build(GetParam().name);
  int boxes = 0;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!isBox(control)) continue;
    ++boxes;
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  }
  EXPECT_GT(boxes, 0);
}

TEST_P(WindowDesign, HidesOnlyWhatItsHandlersShowLater) {
  const auto window = build(GetParam().name);
  window->show();
  for (const Control& expected : GetParam().controls) {
    SCOPED_TRACE(expected.name);
    QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(expected.name));
    ASSERT_NE(control, nullptr);
    const bool hidden = expected.hidden || expected.kind == Kind::ProgressBar;
    EXPECT_EQ(control->isHidden(), hidden);
    if (hidden) {
      EXPECT_FALSE(control->isVisible());
    }
    if (auto* bar = qobject_cast<QProgressBar*>(control)) {
      EXPECT_EQ(bar->minimum(), 0);
      EXPECT_EQ(bar->maximum(), 100);
    }
  }
}

TEST_P(WindowDesign, FitsEveryControlInsideItsParent) {
  const auto window = build(GetParam().name);
  window->show();
  // A tab page is laid out when it is first shown; show each one once.
  for (auto* tabs : window->findChildren<QTabWidget*>()) {
    for (int page = tabs->count() - 1; page >= 0; --page)
      tabs->setCurrentIndex(page);
  }
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
    if (control->parentWidget() == nullptr || control->isWindow()) continue;
    if (control->parentWidget()->objectName().startsWith("qt_")) continue;
    EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
        << control->objectName().toStdString() << " at " << control->x() << "," << control->y()
        << " " << control->width() << "x" << control->height() << " in "
        << control->parentWidget()->width() << "x" << control->parentWidget()->height();
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, WindowDesign, testing::ValuesIn(designs()), caseName<Design>);

class WindowDesigns : public Windows, public testing::Test {};

struct ListCase {
  const char* window;
  const char* list;
  std::vector<const char*> titles;
  std::vector<int> widths;  // 0: a column that holds data the user never sees
  const char* bar;          // the busy bar laid over the list, if the page has one
};

TEST_F(WindowDesigns, ListsShowTheirColumnsInOrder) {
  const ListCase cases[] = {
      {"ProjectListPage",
       "超级列表框_项目列表_收短信",
       {"项目ID", "名称", "价格", "类型", "收藏"},
       {100, 400, 150, 120, 200},
       "进度条1"},
      {"DockingPage",
       "超级列表框_专属列表",
       {"对接码", "项目名称", "价格", "类型", "状态", "供卡数量"},
       {130, 400, 80, 90, 90, 178},
       "进度条3"},
      {"ReceivePage",
       "超级列表框_取码_列表框",
       {"序号", "手机号码", "归属地", "验证码", "状态", "短信内容", "", ""},
       {70, 120, 130, 100, 260, 300, 0, 0},
       nullptr},
      {"SmsRecordsPage",
       "超级列表框_短信明细",
       {"序号", "项目ID", "名称", "手机号码", "价格", "时间", "短信内容"},
       {100, 100, 200, 100, 50, 130, 300},
       "进度条4"},
      {"ReferralRecordsPage",
       "超级列表框_推荐人明细",
       {"序号", "项目ID", "名称", "手机号码", "价格", "时间", "短信内容"},
       {90, 90, 200, 130, 50, 130, 300},
       "进度条6"},
      {"WithdrawalRecordsPage",
       "超级列表框_提现明细",
       {"序号", "姓名", "账户", "金额", "申请提现时间", "处理结果"},
       {100, 100, 150, 100, 230, 300},
       "进度条5"},
      {"RechargeRecordsPage",
       "超级列表框_充值记录",
       {"序号", "订单", "充值金额", "充值时间", "处理结果"},
       {100, 400, 120, 200, 170},
       "进度条2"},
      {"PublicDockingPage",
       "超级列表框_公开专属列表",
       {"对接码", "项目名称", "价格", "类型", "", "供卡数量"},
       {150, 340, 100, 100, 0, 300},
       "进度条7"},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.list);
    const auto window = build(c.window);
    auto* list = control<QTreeWidget>(*window, c.list);
    EXPECT_FALSE(list->rootIsDecorated());
    EXPECT_TRUE(list->uniformRowHeights());
    EXPECT_EQ(list->topLevelItemCount(), 0);
    ASSERT_EQ(list->columnCount(), static_cast<int>(c.titles.size()));
    for (int column = 0; column < list->columnCount(); ++column) {
      SCOPED_TRACE(column);
      const int width = c.widths[static_cast<std::size_t>(column)];
      EXPECT_EQ(list->headerItem()->text(column),
                QString::fromUtf8(c.titles[static_cast<std::size_t>(column)]));
      EXPECT_EQ(list->header()->sectionSize(column), width);
      EXPECT_EQ(list->isColumnHidden(column), width == 0);
    }
    if (c.bar != nullptr) {
      auto* bar = control<QProgressBar>(*window, c.bar);
      EXPECT_TRUE(list->geometry().contains(bar->geometry()));
      const QObjectList& siblings = window->children();
      EXPECT_GT(siblings.indexOf(bar), siblings.indexOf(list)) << "the bar lies over the list";
    }
  }
}

struct ComboCase {
  const char* window;
  const char* combo;
  std::vector<const char*> items;
};

TEST_F(WindowDesigns, ComboBoxesStartWithTheirItemsAndTheFirstSelected) {
  const std::vector<const char*> operators = {"默认", "移动", "联通", "电信"};
  const std::vector<const char*> cards = {"默认", "虚拟", "实卡"};
  const std::vector<const char*> questions = {"你初中的老师叫什么？", "你喜欢的颜色？",
                                              "你小学的学号是多少？", "你的梦想是什么？"};
  // Lists that their handlers fill stay empty in the design (the regions at first activation).
  const ComboCase cases[] = {
      {"ReceivePage", "组合框_取号_项目列表", {}},
      {"ReceivePage", "组合框_运营商", operators},
      {"ReceivePage", "组合框_地区", {}},
      {"ReceivePage", "组合框_卡型", cards},
      {"SendPage", "组合框_发短信_项目列表", {}},
      {"SendPage", "组合框_运营商1", operators},
      {"SendPage", "组合框_地区1", {}},
      {"SendPage", "组合框_卡型1", cards},
      {"SendPage", "组合框_发送号码", {}},
      // The current question, as the windows show it once created: the session's (empty here).
      {"ChangePasswordWindow", "组合框_修改密码_安全问题", {""}},
      {"ProfileWindow", "组合框_修改个人资料_安全问题", {""}},
      {"SecurityQuestionWindow", "组合框_修改安全信息_旧问题", {""}},
      {"SecurityQuestionWindow", "组合框_修改安全信息_新问题", questions},
  };
  for (const ComboCase& c : cases) {
    SCOPED_TRACE(c.combo);
    const auto window = build(c.window);
    auto* combo = control<QComboBox>(*window, c.combo);
    EXPECT_FALSE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
      items << combo->itemText(i);
    QStringList expected;
    for (const char* item : c.items)
      expected << QString::fromUtf8(item);
    EXPECT_EQ(items, expected);
    EXPECT_EQ(combo->currentIndex(), c.items.empty() ? -1 : 0);
  }
}

TEST_F(WindowDesigns, ModalWindowsHaveTheirCaptionsAndFixedSizes) {
  const struct {
    const char* window;
    const char* caption;
    QSize size;
  } cases[] = {
      {"ApplyProjectWindow", "申请项目", {401, 242}},
      {"WithdrawWindow", "Verdomo提现（开发者提现）", {398, 129}},
      {"RechargeWindow", "支付宝充值", {560, 456}},
      {"ChangePasswordWindow", "修改密码", {261, 209}},
      {"ProfileWindow", "个人信息", {324, 258}},
      {"SecurityQuestionWindow", "安全设置", {336, 228}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    const auto window = build(c.window);
    EXPECT_TRUE(qobject_cast<QDialog*>(window.get()) != nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(window->size(), c.size);
    EXPECT_EQ(window->minimumSize(), c.size);
    EXPECT_EQ(window->maximumSize(), c.size);
  }
}

TEST_F(WindowDesigns, PagesFillThePageAreaOfTheMainWindow) {
  for (const char* page : {"ProjectListPage", "DockingPage", "ReceivePage", "SendPage",
                           "SmsRecordsPage", "WithdrawalRecordsPage", "ReferralRecordsPage",
                           "RechargeRecordsPage", "PublicDockingPage"}) {
    const auto window = build(page);
    EXPECT_EQ(qobject_cast<QDialog*>(window.get()), nullptr) << page << " is a page, not a dialog";
    EXPECT_EQ(window->size(), QSize(1031, 507)) << page;
  }
}

TEST_F(WindowDesigns, ChoicesStartAsDesigned) {
  const struct {
    const char* window;
    const char* name;
    bool checked;
  } cases[] = {
      {"ProjectListPage", "选择框_已收藏项目列表", false},
      {"ReceivePage", "选择框_取号_不过滤", false},
      {"SendPage", "选择框_发短信_不过滤", false},
      {"ApplyProjectWindow", "单选框1", true},
      {"ApplyProjectWindow", "单选框2", false},
  };
  for (const auto& c : cases) {
    const auto window = build(c.window);
    auto* choice = control<QAbstractButton>(*window, c.name);
    EXPECT_TRUE(choice->isCheckable()) << c.name;
    EXPECT_EQ(choice->isChecked(), c.checked) << c.name;
  }
}

// Each tab page holds its own form, so a handler that switches pages shows the right boxes.
TEST_F(WindowDesigns, TabPagesHoldTheirOwnControls) {
  const struct {
    const char* window;
    const char* tabs;
    std::vector<const char*> titles;
    std::vector<std::vector<const char*>> controls;
  } cases[] = {
      {"ApplyProjectWindow",
       "高级选择夹2",
       {"收码短信", "发码短信 "},
       {{"编辑框_收码项目名", "编辑框_收码短信模板", "按钮_收码添加", "透明标签90"},
        {"编辑框_发码项目名称", "编辑框_发码发送号码", "按钮_发码添加", "透明标签96"}}},
      {"RechargeWindow",
       "高级选择夹1",
       {"手动充值", "扫码充值"},
       {{"透明标签55", "按钮1", "图片框1", "编辑框_支付宝订单", "按钮_支付宝充值"},
        {"编辑框_二维码充值金额", "按钮_二维码充值", "图片框2", "透明标签2"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    const auto window = build(c.window);
    auto* tabs = control<QTabWidget>(*window, c.tabs);
    ASSERT_EQ(tabs->count(), static_cast<int>(c.titles.size()));
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int page = 0; page < tabs->count(); ++page) {
      const auto index = static_cast<std::size_t>(page);
      EXPECT_EQ(tabs->tabText(page), QString::fromUtf8(c.titles[index]));
      for (const char* name : c.controls[index]) {
        auto* inside = control<QWidget>(*window, name);
        EXPECT_TRUE(tabs->widget(page)->isAncestorOf(inside)) << name << " on page " << page;
      }
    }
  }
}

TEST_F(WindowDesigns, JoinPanelHoldsItsEntryAndItsRules) {
  const auto page = build("DockingPage");
  auto* panel = control<QGroupBox>(*page, "分组框_加入对接");
  auto* rules = control<QGroupBox>(*page, "分组框5");
  EXPECT_TRUE(panel->isHidden());
  EXPECT_TRUE(panel->isAncestorOf(rules));
  for (const char* name : {"透明标签12", "编辑框_加入对接", "按钮_加入对接", "按钮_加入对接取消"}) {
    EXPECT_EQ(control<QWidget>(*page, name)->parentWidget(), panel) << name;
  }
  for (const char* name : {"标签5", "标签2", "标签3", "标签4"}) {
    EXPECT_EQ(control<QWidget>(*page, name)->parentWidget(), rules) << name;
  }
  // The panel lies over the list, in its upper middle.
  auto* list = control<QTreeWidget>(*page, "超级列表框_专属列表");
  EXPECT_TRUE(list->geometry().contains(panel->geometry()));
  EXPECT_GT(page->children().indexOf(panel), page->children().indexOf(list));
  EXPECT_LT(panel->geometry().center().y(), list->geometry().center().y());
  for (const char* name : {"超级按钮_加入对接", "超级按钮_删除对接", "超级按钮_专属_刷新"}) {
    EXPECT_EQ(control<QWidget>(*page, name)->toolTip(),
              "公开专属对接后，将在用户区显示此专属对接，用户可自用加入。")
        << name;
  }
}

TEST_F(WindowDesigns, NumberBoxesTakeOnlyNumbers) {
  const struct {
    const char* window;
    const char* box;
    const char* accepted;
    std::vector<const char*> refused;
  } cases[] = {
      {"WithdrawWindow", "编辑框4", "120", {"12.5", "1a", "-3"}},
      {"RechargeWindow", "编辑框_支付宝订单", "2018010120003001110016521811", {"20180101a", "1.5"}},
      {"RechargeWindow", "编辑框_二维码充值金额", "10.5", {"10a", "1.2.3"}},
      {"ProfileWindow", "编辑框_修改个人资_联系QQ", "12345678901", {"12345q"}},
      {"SmsRecordsPage", "编辑框_短信明细_搜索", "13800138000", {"138x", "10.5"}},
      {"ReferralRecordsPage", "编辑框_推荐人明细_搜索", "1001", {"abc"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    const auto window = build(c.window);
    auto* box = control<QLineEdit>(*window, c.box);
    ASSERT_NE(box->validator(), nullptr);
    int position = 0;
    QString text = QString::fromUtf8(c.accepted);
    EXPECT_EQ(box->validator()->validate(text, position), QValidator::Acceptable);
    for (const char* refused : c.refused) {
      text = QString::fromUtf8(refused);
      EXPECT_EQ(box->validator()->validate(text, position), QValidator::Invalid) << refused;
    }
  }
  // The QQ box holds at most eleven characters.
  const auto profile = build("ProfileWindow");
  EXPECT_EQ(control<QLineEdit>(*profile, "编辑框_修改个人资_联系QQ")->maxLength(), 11);
}

TEST_F(WindowDesigns, RechargeWindowShowsItsInstructionPicture) {
  const auto window = build("RechargeWindow");
  auto* instructions = control<QLabel>(*window, "图片框1");
  auto* qrCode = control<QLabel>(*window, "图片框2");
  const QImage expected = loadResourcePicture(":/pictures/recharge_instructions.png");
  ASSERT_FALSE(expected.isNull());
  EXPECT_EQ(expected.size(), QSize(264, 244));  // drawn for its picture box, not scaled
  EXPECT_EQ(instructions->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            expected.convertToFormat(QImage::Format_ARGB32));
  EXPECT_TRUE(qrCode->pixmap().isNull());
}

// The main window hosts all pages at once, so one name must lead to one control among them.
TEST_F(WindowDesigns, PageControlNamesAreUniqueInTheMainWindow) {
  QWidget mainWindow;
  std::vector<std::unique_ptr<QWidget>> pages;
  for (const char* page : {"ProjectListPage", "DockingPage", "ReceivePage", "SendPage",
                           "SmsRecordsPage", "WithdrawalRecordsPage", "ReferralRecordsPage",
                           "RechargeRecordsPage", "PublicDockingPage"}) {
    pages.push_back(build(page));
    pages.back()->setParent(&mainWindow);
  }
  std::map<QString, int> uses;
  for (QWidget* control : mainWindow.findChildren<QWidget*>()) {
    if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_")) {
      ++uses[control->objectName()];
    }
  }
  EXPECT_GT(uses.size(), 100u);
  for (const auto& [name, count] : uses)
    EXPECT_EQ(count, 1) << name.toStdString();
}

TEST_F(WindowDesigns, RecordRowsStandUnderTheirLists) {
  const auto page = build("SmsRecordsPage");
  const char* row[] = {"透明标签30",
                       "透明标签32",
                       "透明标签33",
                       "透明标签34",
                       "透明标签31",
                       "编辑框_短信明细_搜索",
                       "按钮_短信明细_搜索",
                       "超级按钮_短信明细_刷新",
                       "超级按钮_短信明细_首页",
                       "超级按钮_短信明细_上一页",
                       "透明标签_短信明细_页数",
                       "超级按钮_短信明细_下一页",
                       "超级按钮_短信明细_尾页"};
  const int lefts[] = {4, 52, 95, 155, 194, 291, 403, 467, 528, 570, 643, 702, 777};
  for (std::size_t i = 0; i < std::size(row); ++i) {
    auto* control = Windows::control<QWidget>(*page, row[i]);
    EXPECT_EQ(control->pos(), QPoint(lefts[i], 481)) << row[i];
  }
}

}  // namespace
}  // namespace verdomo::test
