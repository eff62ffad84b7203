// The editor's windows on Qt's offscreen platform, in a home of their own: the settings, the
// library folders and the help pages the editor writes go to a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "scratch_folder.h"

int main(int argc, char** argv) {
  // Listing the tests at build time must work without a display too.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const plorvane::test::ScratchFolder home;
  plorvane::test::UseAsHome(home);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
