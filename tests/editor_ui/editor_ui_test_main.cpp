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
  ::setenv("HOME", home.path().c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
