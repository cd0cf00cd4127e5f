#pragma once
// Starts one run of a favourites worker on a thread of its own, writing into the page's lists
// through the UI thread.

#include <stop_token>

class QComboBox;
class QWidget;

namespace verdomo {

struct AppContext;

void startReceiveFavouritesWorker(AppContext& context, QWidget* mainWindow, QComboBox* projects,
                                  std::stop_token stop);
void startSendFavouritesWorker(AppContext& context, QWidget* mainWindow, QComboBox* projects,
                               QComboBox* senderNumbers, std::stop_token stop);

}  // namespace verdomo
