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
  plorvane::test::UseAsHome(home);
  ::setenv(plorvane::test::kTranslateLogVariable, home.File("translate.log").c_str(), 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
