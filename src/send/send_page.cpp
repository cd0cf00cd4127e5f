#include "send/send_page.h"

#include <QClipboard>
#include <QGuiApplication>

#include "api/date_time_text.h"
#include "api/gbk_text.h"
#include "projects/favourite_lists.h"
#include "projects/favourites_ports.h"
#include "projects/project_catalogue.h"
#include "receive/attribution_worker.h"
#include "send/send_controls.h"
#include "send/send_page_ports.h"
#include "send/send_take.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui/window_enabling.h"
#include "ui_send_page.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kSendBeforeSearchMs = 100;
constexpr int kBeforeRequestMs = 300;  // before a take, a specific take and a send
constexpr int kSendTimeoutMs = 5000;

// The province of a taken number from the segment service, without freezing the window.
GbkText lookUpProvinceOffUiThread(const GbkText& segmentBase, const GbkText& phone) {
  return waitOffUiThread([&] {
    HttpSession session;
    RegexMatcher matcher;  // one per thread
    return lookUpProvince(session, matcher, segmentBase, phone);
  });
}

}  // namespace

SendPage::SendPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SendPage>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  controls_ = std::make_unique<SendControls>(*ui_);
  connect(ui_->按钮4, &QPushButton::clicked, this, &SendPage::searchSendProjects);
  connect(ui_->按钮_发短信刷新, &QPushButton::clicked, this, &SendPage::startFavouritesWorker);
  // Only a pick by the user refills the numbers; a selection made by the program does not.
  connect(ui_->组合框_发短信_项目列表, &QComboBox::activated, this, &SendPage::fillSenderNumbers);
  connect(ui_->选择框_发短信_不过滤, &QCheckBox::clicked, this,
          [this](bool checked) { context_.session.sendLoopFlag = GbkText(checked ? "2" : "1"); });
  connect(ui_->按钮_发短信_获取号码, &QPushButton::clicked, this, &SendPage::takeNumber);
  connect(ui_->按钮_发短信_指定, &QPushButton::clicked, this, &SendPage::takeSpecifiedNumber);
  connect(ui_->按钮_发短信_提交发短信内容, &QPushButton::clicked, this, &SendPage::sendSms);
  connect(ui_->按钮_发短信_全部释放, &QPushButton::clicked, this, &SendPage::releaseNumber);
  connect(ui_->按钮_发短信_全部加黑, &QPushButton::clicked, this, &SendPage::blacklistNumber);
  connect(ui_->按钮_发短信_复制手机号码, &QPushButton::clicked, this, &SendPage::copyNumber);
  connect(ui_->按钮_发短信_复制短信, &QPushButton::clicked, this, &SendPage::copySms);
}

SendPage::~SendPage() = default;

void SendPage::startFavouritesWorker() {
  startSendFavouritesWorker(context_, window(), ui_->组合框_发短信_项目列表, ui_->组合框_发送号码,
                            workers_.token());
}

void SendPage::startResultPollWorker() {
  startSendResultPollWorker(context_, this, *controls_, workers_.token());
}

void SendPage::searchSendProjects() {
  const GbkText searchText = removeAllSpaces(toGbk(ui_->编辑框3->text()));
  if (searchText.empty()) return context_.dialogs.inform(this, "请输入项目ID或关键字"_gbk);
  SessionState& session = context_.session;
  QComboBox* projects = ui_->组合框_发短信_项目列表;
  QComboBox* numbers = ui_->组合框_发送号码;
  session.sendProjectLines.clear();
  projects->clear();
  setWindowEnabled(window(), false);
  EventLoopPause(context_.pacing).pause(kSendBeforeSearchMs);
  UiRequester requester(context_.pacing);
  const SendProjects found = sendSearchProjects(
      requester.getText(catalogueUrl(session.addresses, session.credentials(), searchText)));
  session.sendProjectLines = found.projectLines;
  if (found.items.empty()) {
    // The service numbers of the last load stay.
    projects->addItem(fromGbk(noSendFavouritesItem()));
  } else {
    for (const GbkText& item : found.items)
      projects->addItem(fromGbk(item));
    numbers->clear();  // every found project's numbers, until the user picks one
    for (const GbkText& number : senderNumbers(found.projectLines))
      numbers->addItem(fromGbk(number));
  }
  numbers->setCurrentIndex(0);
  projects->setCurrentIndex(0);
  setWindowEnabled(window(), true);
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context_.dialogs, this, {}, requester.lastFailure());
  }
}

void SendPage::fillSenderNumbers() {
  const GbkText key = sendItemKey(comboText(ui_->组合框_发短信_项目列表));
  if (key.empty()) return;
  QComboBox* numbers = ui_->组合框_发送号码;
  numbers->clear();
  for (const GbkText& number : senderNumbers(context_.session.sendProjectLines, key))
    numbers->addItem(fromGbk(number));
  numbers->setCurrentIndex(0);
}

TakeFilters SendPage::filters() const {
  const QComboBox* operators = ui_->组合框_运营商1;
  const QComboBox* cards = ui_->组合框_卡型1;
  return {indexFilter(operators->currentIndex(), comboText(operators)),
          regionFilter(comboText(ui_->组合框_地区1)),
          indexFilter(cards->currentIndex(), comboText(cards)), context_.session.sendLoopFlag};
}

void SendPage::clearTakeResults() {
  ui_->透明标签_发短信_号码所属->clear();
  ui_->编辑框_发短信_短信内容->clear();
  ui_->编辑框_发短信_取号时间->clear();
  ui_->编辑框_发短信_取码状态->clear();
  ui_->透明标签40->clear();
  ui_->编辑框_发短信_发送内容->clear();
  controls_->startNewTake();
}

void SendPage::takeNumber() {
  ui_->编辑框_发短信_获取号码->clear();
  clearTakeResults();
  const WindowBusy busy(window(), ui_->按钮_发短信_获取号码);
  EventLoopPause(context_.pacing).pause(kBeforeRequestMs);
  if (const auto projectId = takeableProjectId(comboText(ui_->组合框_发短信_项目列表))) {
    const SessionState& session = context_.session;
    UiRequester requester(context_.pacing);
    const GbkText reply =
        requester.getText(takeUrl(session.addresses, session.credentials(), *projectId, filters()));
    applyTakeReply(reply, requester.lastFailure());
  }
}

void SendPage::takeSpecifiedNumber() {
  clearTakeResults();  // the taken number stays until another arrives
  bool refused = false;
  {
    const WindowBusy busy(window(), ui_->按钮_发短信_指定);
    EventLoopPause(context_.pacing).pause(kBeforeRequestMs);
    const GbkText phone = toGbk(ui_->编辑框_发短信_指定->text());
    refused = !phoneLongEnough(phone);
    const auto projectId = takeableProjectId(comboText(ui_->组合框_发短信_项目列表));
    if (!refused && projectId) {
      const SessionState& session = context_.session;
      UiRequester requester(context_.pacing);
      const GbkText reply = requester.getText(sendTakeSpecificUrl(
          session.addresses, session.credentials(), *projectId, filters(), phone));
      applyTakeReply(reply, requester.lastFailure());
    }
  }
  // Said once the window and the button are enabled again.
  if (refused) context_.dialogs.inform(this, "指定手机号码错误"_gbk);
}

void SendPage::applyTakeReply(const GbkText& reply, TransportFailure failure) {
  if (failure != TransportFailure::None) return informReply(context_.dialogs, this, {}, failure);
  const SendTakeReply take = parseSendTakeReply(reply);
  if (take.kind == SendTakeReply::Kind::kRefused) return context_.dialogs.inform(this, reply);
  if (take.kind != SendTakeReply::Kind::kNumber) return;
  ui_->编辑框_发短信_获取号码->setText(fromGbk(take.phone));
  const GbkText province = lookUpProvinceOffUiThread(context_.config.segmentUrl, take.phone);
  ui_->透明标签_发短信_号码所属->setText(fromGbk(provinceLabel(province)));
  // With the take time the number is pending: the result worker starts polling it.
  ui_->编辑框_发短信_取号时间->setText(fromGbk(formatDateTimeText(context_.clock.now())));
}

void SendPage::sendSms() {
  const GbkText phone = toGbk(ui_->编辑框_发短信_获取号码->text());
  const GbkText serviceNumber = comboText(ui_->组合框_发送号码);
  const GbkText content = toGbk(ui_->编辑框_发短信_发送内容->text());
  if (const auto problem = sendSmsProblem(phone, serviceNumber, content)) {
    return context_.dialogs.inform(this, *problem);
  }
  const auto projectId = takeableProjectId(comboText(ui_->组合框_发短信_项目列表));
  if (!projectId) return;
  const WindowBusy busy(window(), ui_->按钮_发短信_提交发短信内容);  // until the reply is read
  EventLoopPause(context_.pacing).pause(kBeforeRequestMs);
  const SessionState& session = context_.session;
  UiRequester requester(context_.pacing, kSendTimeoutMs);
  // The number and the content go as the fields hold them, spaces included.
  const GbkText reply = requester.getText(sendSmsUrl(session.addresses, session.credentials(),
                                                     *projectId, serviceNumber, phone, content));
  informReply(context_.dialogs, this, reply, requester.lastFailure());
}

void SendPage::releaseNumber() {
  giveNumberBack(endpoint::kReleaseNumber, "释放号码");
}

void SendPage::blacklistNumber() {
  giveNumberBack(endpoint::kBlacklistNumber, "拉黑号码");
}

void SendPage::giveNumberBack(const Endpoint& path, const char* question) {
  const auto projectId = takeableProjectId(comboText(ui_->组合框_发短信_项目列表));
  const GbkText phone = toGbk(ui_->编辑框_发短信_获取号码->text());
  if (!projectId || phone.empty()) return;
  if (!context_.dialogs.confirm(this, QString::fromUtf8(question), kDefaultCaption,
                                ConfirmButtons::YesNo)) {
    return;
  }
  const SessionState& session = context_.session;
  UiRequester requester(context_.pacing);
  const GbkText reply = requester.getText(
      requestUrl(session.addresses, session.credentials(), path, {*projectId, phone}));
  if (!keywordReplySucceeded(reply)) {
    return informReply(context_.dialogs, this, reply, requester.lastFailure());
  }
  controls_->startNewTake();
  ui_->编辑框_发短信_获取号码->clear();
  ui_->编辑框_发短信_指定->clear();
  ui_->编辑框_发短信_发送内容->clear();
  ui_->编辑框_发短信_短信内容->clear();
  ui_->编辑框_发短信_取号时间->clear();
  ui_->编辑框_发短信_取码状态->clear();
  ui_->组合框_发送号码->clear();  // the result label and the province label keep their text
}

void SendPage::copyNumber() {
  QGuiApplication::clipboard()->setText(ui_->编辑框_发短信_获取号码->text());
}

void SendPage::copySms() {
  const QString sms = ui_->编辑框_发短信_短信内容->toPlainText();
  if (!sms.isEmpty()) QGuiApplication::clipboard()->setText(sms);
}

}  // namespace verdomo
