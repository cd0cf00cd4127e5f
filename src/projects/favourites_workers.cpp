#include "projects/favourites_workers.h"

#include "api/api_client.h"
#include "api/endpoint_index.h"
#include "projects/favourite_lists.h"

namespace verdomo {
namespace {

constexpr int kSettleMs = 300;  // the window is disabled a moment before the lists change

}  // namespace

ReceiveFavouritesWorker::ReceiveFavouritesWorker(HttpSession& session, Pause& pause,
                                                 const FavouritesRequest& request,
                                                 ReceiveFavouritesPort& port)
    : session_(session), pause_(pause), request_(request), port_(port) {}

void ReceiveFavouritesWorker::run() {
  port_.setMainWindowEnabled(false);
  pause_.pause(kSettleMs);
  port_.clearProjects();
  const GbkText reply = getText(
      session_, requestUrl(request_.addresses, request_.credentials, endpoint::kReceiveFavourites));
  std::vector<GbkText> items = receiveFavouriteItems(reply);
  if (items.empty()) items.push_back(noReceiveFavouritesItem());
  port_.showProjects(items);
  port_.setMainWindowEnabled(true);
}

SendFavouritesWorker::SendFavouritesWorker(HttpSession& session, Pause& pause,
                                           const FavouritesRequest& request,
                                           SendFavouritesPort& port)
    : session_(session), pause_(pause), request_(request), port_(port) {}

void SendFavouritesWorker::run() {
  port_.emptySendProjectLines();
  port_.setMainWindowEnabled(false);
  pause_.pause(kSettleMs);
  port_.clearProjects();
  const GbkText reply = getText(
      session_, requestUrl(request_.addresses, request_.credentials, endpoint::kSendFavourites));
  SendProjects favourites = sendFavourites(reply);
  if (favourites.items.empty()) {
    // Without a send favourite the sender numbers stay as the last run left them.
    port_.showProjects(favourites.projectLines, {noSendFavouritesItem()}, std::nullopt);
  } else {
    port_.showProjects(favourites.projectLines, favourites.items,
                       senderNumbers(favourites.projectLines));
  }
  port_.setMainWindowEnabled(true);
}

}  // namespace verdomo
