#pragma once
// The process-wide record of the session: addresses, credentials and the account facts of the
// sign-in. Written on the UI thread only, before the workers that read it start.

#include <filesystem>

#include "api/request_url.h"
#include "api/service_address.h"
#include "platform/gbk_codec.h"

namespace verdomo {

inline constexpr std::string_view kClientVersion = "1.6";

struct SessionState {
  GbkText clientVersion;
  GbkText executableName;
  GbkText updateHost;
  std::filesystem::path storeDirectory;  // a path of the file system, never through GBK
  GbkText serverHost;
  ServiceAddresses addresses;

  GbkText userName;
  GbkText password;
  GbkText balance;
  GbkText withdrawable;
  GbkText securityQuestion;
  GbkText contactQq;
  GbkText realName;
  GbkText alipayAccount;
  GbkText noticeText;
  GbkText supportQq;

  // Process-wide values of the features, kept beside the account facts.
  GbkText receiveLoopFlag;   // "1" leaves out numbers already used for the project, "2" allows them
  GbkText sendLoopFlag;      // the same for the takes of the 发短信 page
  int publicFindCursor = 0;  // the row where the last find of the public dockings stopped
  bool recordSearchMode = false;  // the paged record views page through search results
  GbkText payeeName;              // the payee of manual recharges, as the last payee query gave it
  GbkText payeeAccount;           // the Alipay account manual recharges are transferred to
  GbkText sendProjectLines;       // full names of the send projects last loaded, each with CR LF

  Credentials credentials() const { return {userName, password}; }
};

}  // namespace verdomo
