#include "projects/favourites_workers.h"

#include "api/api_client.h"
#include "api/endpoint_index.h"
#include "projects/favourite_lists.h"

namespace verdomo {
namespace {

constexpr int kSettleMs = 300;  // the window is disabled a moment before the lists change

}  // namespace

void runReceiveFavourites(HttpSession& session, Pause& pause, const FavouritesRequest& request,
                          ReceiveFavouritesPort& port) {
  port.setMainWindowEnabled(false);
  pause.pause(kSettleMs);
  port.clearProjects();
  const GbkText reply = getText(
      session, requestUrl(request.addresses, request.credentials, endpoint::kReceiveFavourites));
  std::vector<GbkText> items = receiveFavouriteItems(reply);
  if (items.empty()) items.push_back(noReceiveFavouritesItem());
  port.showProjects(items);
  port.setMainWindowEnabled(true);
}

void runSendFavourites(HttpSession& session, Pause& pause, const FavouritesRequest& request,
                       SendFavouritesPort& port) {
  port.emptySendProjectLines();
  port.setMainWindowEnabled(false);
  pause.pause(kSettleMs);
  port.clearProjects();
  const GbkText reply = getText(
      session, requestUrl(request.addresses, request.credentials, endpoint::kSendFavourites));
  SendFavourites favourites = sendFavourites(reply);
  if (favourites.items.empty()) {
    // Without a send favourite the sender numbers stay as the last run left them.
    port.showProjects(favourites.projectLines, {noSendFavouritesItem()}, std::nullopt);
  } else {
    port.showProjects(favourites.projectLines, favourites.items,
                      senderNumbers(favourites.projectLines));
  }
  port.setMainWindowEnabled(true);
}

}  // namespace verdomo
