#pragma once
// The two favourites workers: each run fills one page's project list from the platform's
// favourites. They run on threads of their own and reach the window only through their port,
// whose writes land on the UI thread; a list is always replaced whole, so two overlapping runs
// leave one run's list, never a mix.

#include <optional>
#include <vector>

#include "api/http_session.h"
#include "api/pause.h"
#include "api/request_url.h"

namespace verdomo {

class ReceiveFavouritesPort {
 public:
  virtual ~ReceiveFavouritesPort() = default;
  virtual void setMainWindowEnabled(bool enabled) = 0;
  virtual void clearProjects() = 0;
  // Replaces the receive page's project list and selects its first item.
  virtual void showProjects(const std::vector<GbkText>& items) = 0;
};

class SendFavouritesPort {
 public:
  virtual ~SendFavouritesPort() = default;
  virtual void setMainWindowEnabled(bool enabled) = 0;
  virtual void emptySendProjectLines() = 0;
  virtual void clearProjects() = 0;
  // Publishes the send-project lines and replaces the send page's project list and, when given,
  // its sender numbers, all in one write, so that the three always belong to the same run;
  // selects the first item of both lists.
  virtual void showProjects(const GbkText& projectLines, const std::vector<GbkText>& items,
                            const std::optional<std::vector<GbkText>>& senderNumbers) = 0;
};

// Whose favourites to ask for, and where.
struct FavouritesRequest {
  ServiceAddresses addresses;
  Credentials credentials;
};

// One run fills the 取号 page's project list.
class ReceiveFavouritesWorker {
 public:
  ReceiveFavouritesWorker(HttpSession& session, Pause& pause, const FavouritesRequest& request,
                          ReceiveFavouritesPort& port);
  void run();

 private:
  HttpSession& session_;
  Pause& pause_;
  const FavouritesRequest& request_;
  ReceiveFavouritesPort& port_;
};

// One run fills the 发短信 page's project list and sender numbers and the send-project lines.
class SendFavouritesWorker {
 public:
  SendFavouritesWorker(HttpSession& session, Pause& pause, const FavouritesRequest& request,
                       SendFavouritesPort& port);
  void run();

 private:
  HttpSession& session_;
  Pause& pause_;
  const FavouritesRequest& request_;
  SendFavouritesPort& port_;
};

}  // namespace verdomo
