#include "projects/favourites_ports.h"

#include <QComboBox>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "projects/favourites_workers.h"
#include "session/app_context.h"
#include "ui/gbk_qt.h"
#include "ui/thread_dispatch.h"
#include "ui/window_enabling.h"
#include "ui/worker_threads.h"

namespace verdomo {
namespace {

QStringList toQt(const std::vector<GbkText>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const GbkText& text : texts)
    list.append(fromGbk(text));
  return list;
}

void replaceItems(QComboBox* box, const QStringList& items) {
  box->clear();
  box->addItems(items);
  box->setCurrentIndex(0);
}

// The writes every favourites worker makes: enabling the window and replacing lists whole.
class PageWrites {
 public:
  PageWrites(QWidget* mainWindow, QComboBox* projects)
      : dispatch_(projects), window_(mainWindow), projects_(projects) {}

  void setMainWindowEnabled(bool enabled) const {
    dispatch_.post([window = window_, enabled] {
      if (window) verdomo::setWindowEnabled(window, enabled);
    });
  }
  void clearProjects() const {
    dispatch_.post([projects = projects_] {
      if (projects) projects->clear();
    });
  }
  void post(std::function<void()> write) const { dispatch_.post(std::move(write)); }
  QPointer<QComboBox> projects() const { return projects_; }

 private:
  UiDispatch dispatch_;
  QPointer<QWidget> window_;
  QPointer<QComboBox> projects_;
};

class ReceivePagePort final : public ReceiveFavouritesPort {
 public:
  ReceivePagePort(QWidget* mainWindow, QComboBox* projects) : writes_(mainWindow, projects) {}
  void setMainWindowEnabled(bool enabled) override { writes_.setMainWindowEnabled(enabled); }
  void clearProjects() override { writes_.clearProjects(); }
  void showProjects(const std::vector<GbkText>& items) override {
    writes_.post([projects = writes_.projects(), texts = toQt(items)] {
      if (projects) replaceItems(projects, texts);
    });
  }

 private:
  PageWrites writes_;
};

class SendPagePort final : public SendFavouritesPort {
 public:
  SendPagePort(SessionState& session, QWidget* mainWindow, QComboBox* projects,
               QComboBox* senderNumbers)
      : session_(session), writes_(mainWindow, projects), senderNumbers_(senderNumbers) {}
  void setMainWindowEnabled(bool enabled) override { writes_.setMainWindowEnabled(enabled); }
  void clearProjects() override { writes_.clearProjects(); }
  // The lines are written on the UI thread only, where the send page reads them.
  void emptySendProjectLines() override {
    writes_.post([&session = session_] { session.sendProjectLines.clear(); });
  }
  void showProjects(const GbkText& projectLines, const std::vector<GbkText>& items,
                    const std::optional<std::vector<GbkText>>& numbers) override {
    std::optional<QStringList> numberTexts;
    if (numbers) numberTexts = toQt(*numbers);
    writes_.post([&session = session_, projectLines, projects = writes_.projects(),
                  senderNumbers = senderNumbers_, texts = toQt(items), numberTexts] {
      session.sendProjectLines = projectLines;
      if (projects) replaceItems(projects, texts);
      if (!senderNumbers) return;
      if (numberTexts) {
        senderNumbers->clear();
        senderNumbers->addItems(*numberTexts);
      }
      senderNumbers->setCurrentIndex(0);
    });
  }

 private:
  SessionState& session_;
  PageWrites writes_;
  QPointer<QComboBox> senderNumbers_;
};

template <typename Worker, typename Port>
void startRun(AppContext& context, std::stop_token stop, std::shared_ptr<Port> port) {
  FavouritesRequest request{context.session.addresses, context.session.credentials()};
  startWorkerThread([request = std::move(request), pacing = context.pacing, stop = std::move(stop),
                     port = std::move(port)] {
    HttpSession session;
    SleepingPause pause(pacing, stop);
    Worker(session, pause, request, *port).run();
  });
}

}  // namespace

void startReceiveFavouritesWorker(AppContext& context, QWidget* mainWindow, QComboBox* projects,
                                  std::stop_token stop) {
  startRun<ReceiveFavouritesWorker>(context, std::move(stop),
                                    std::make_shared<ReceivePagePort>(mainWindow, projects));
}

void startSendFavouritesWorker(AppContext& context, QWidget* mainWindow, QComboBox* projects,
                               QComboBox* senderNumbers, std::stop_token stop) {
  startRun<SendFavouritesWorker>(
      context, std::move(stop),
      std::make_shared<SendPagePort>(context.session, mainWindow, projects, senderNumbers));
}

}  // namespace verdomo
