// The language tests run in a home of their own, on Qt's offscreen platform, and with every
// text asked of Translate written to a log the session test reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "language/translate_log.h"
#include "scratch_folder.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const plorvane::test::ScratchFolder home;
  ::setenv("HOME", home.path().c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
  ::setenv(plorvane::test::kTranslateLogVariable, home.File("translate.log").c_str(), 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
