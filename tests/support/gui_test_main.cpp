// The main of the GUI tests: one QApplication on the offscreen platform for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstdio>

#include "ui/worker_threads.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // The workers of the last test's windows end before the process tears down its statics.
  if (!verdomo::waitForWorkerThreads(std::chrono::seconds(30))) {
    std::fprintf(stderr, "a worker thread was still running at the end of the tests\n");
    return 1;
  }
  return result;
}
