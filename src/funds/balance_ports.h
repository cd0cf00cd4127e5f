#pragma once
// Starts the BalanceRefreshWorker on a thread of its own for as long as the main window lives,
// writing the status bar's balance parts through the UI thread.

#include <stop_token>

class QLabel;
class QWidget;

namespace verdomo {

struct AppContext;

void startBalanceRefreshWorker(AppContext& context, QWidget* mainWindow, QLabel* balancePart,
                               QLabel* withdrawablePart, std::stop_token stop);

}  // namespace verdomo
