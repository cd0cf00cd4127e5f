#pragma once
// Starts one run of the PublicDockingWorker on a thread of its own, writing into the 公开专属
// page through the UI thread. Once the page is gone its writes go nowhere and the stop token
// cuts its pauses short.

#include <stop_token>

class QProgressBar;
class QTreeWidget;
class QWidget;

namespace verdomo {

struct AppContext;

void startPublicDockingWorker(AppContext& context, QWidget* page, QTreeWidget* list,
                              QProgressBar* bar, QWidget* focusAfter, std::stop_token stop);

}  // namespace verdomo
