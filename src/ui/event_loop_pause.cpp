#include "ui/event_loop_pause.h"

#include <QEventLoop>
#include <QTimer>

namespace verdomo {

void EventLoopPause::pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(pacing_.scaled(milliseconds), &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace verdomo
