#pragma once
// A login window on the offscreen platform against a scripted platform: one local server plays
// the update host (/yh.txt) and the account port (the port offset puts port 82 on it).

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <memory>

#include "app/login_window.h"
#include "app/start_up.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/recording_dialogs.h"
#include "support/scripted_http_server.h"
#include "support/temporary_folder.h"

namespace verdomo::test {

using namespace verdomo::literals;

inline constexpr const char* kExecutable = "verdomo-under-test";

class LoginFixture : public testing::Test {
 protected:
  LoginFixture() {
    std::filesystem::create_directories(runDirectory());
    std::ofstream(runDirectory() / kExecutable) << "client";
    // The store lies below a folder that GBK cannot spell, as a home folder may.
    context.config = {"127.0.0.1", server.port() - 82, "127.0.0.1:" + std::to_string(server.port()),
                      "https://127.0.0.1:1", folder.path() / "łukasz zoë" / "store"};
    context.program = {runDirectory(), kExecutable};
  }

  std::filesystem::path runDirectory() const { return folder.path() / "run"; }

  StartUpOutcome start() {
    window = std::make_unique<LoginWindow>(context);
    return startUp(*window, context);
  }

  // Starts the client and signs in with the boxes set to these texts.
  void typeAndSignIn(const QString& userName, const QString& password) {
    window->userNameBox()->setText(userName);
    window->passwordBox()->setText(password);
    window->findChild<QPushButton*>("按钮1")->click();
  }

  std::vector<std::string> targetsStartingWith(std::string_view prefix) const {
    std::vector<std::string> targets;
    for (const ScriptedRequest& request : server.requests()) {
      if (request.target.starts_with(prefix)) targets.push_back(request.target);
    }
    return targets;
  }

  // What the scripted platform answers; tests change these before they act.
  GbkText updateInfo = "更新说明\r\n版本号:1.6"_gbk;
  GbkText signInReply = "0|用户名或密码错误"_gbk;
  GbkText registerReply = "注册成功"_gbk;

  TemporaryFolder folder;
  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
  ScriptedHttpServer server{[this](const ScriptedRequest& request) {
    if (request.target == "/yh.txt") return ScriptedReply::text(updateInfo);
    if (request.target.starts_with("/sign/")) return ScriptedReply::text(signInReply);
    if (request.target.starts_with("/ZC/")) return ScriptedReply::text(registerReply);
    return ScriptedReply{.status = 404};
  }};
  std::unique_ptr<LoginWindow> window;
};

// An accepted sign-in reply: balance, withdrawable, two unused fields, question, QQ, name,
// Alipay, notice, support QQ, account type.
inline GbkText acceptedSignIn(const std::string& accountType = "用户") {
  return utf8ToGbk("88.50|20.00|0|0|你的梦想是什么？|10086|王五|ww@pay|欢迎使用Verdomo|800900|" +
                   accountType);
}

}  // namespace verdomo::test
