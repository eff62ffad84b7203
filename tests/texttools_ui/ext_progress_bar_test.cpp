#include "texttools/ui/ext_progress_bar.h"

#include <gtest/gtest.h>

namespace plorvane {
namespace {

int InnerWidth(const TExtProgressBar& bar) { return bar.Panel().contentsRect().width(); }

TEST(ExtProgressBar, StartsEmptyAtItsInitialSize) {
  TExtProgressBar bar;
  EXPECT_EQ(bar.size(), QSize(100, 18));
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.Bar().width(), 0);
  EXPECT_EQ(bar.Panel().geometry(), bar.rect());
}

TEST(ExtProgressBar, PositionIsClampedAndSetsTheBarsShareOfTheInnerWidth) {
  TExtProgressBar bar;
  bar.show();
  bar.resize(203, 18);
  struct Case {
    int asked;
    int position;
  };
  for (const Case c : {Case{50, 50}, Case{150, 100}, Case{-3, 0}, Case{33, 33}, Case{100, 100}}) {
    SCOPED_TRACE(c.asked);
    bar.SetPosition(c.asked);
    EXPECT_EQ(bar.Position(), c.position);
    EXPECT_EQ(bar.Bar().width(), InnerWidth(bar) * c.position / 100);
    EXPECT_EQ(bar.Bar().x(), bar.Panel().contentsRect().left());
    EXPECT_EQ(bar.Bar().height(), bar.Panel().contentsRect().height());
  }
}

TEST(ExtProgressBar, BarIsLaidOutAgainWhenTheSizeOrTheLookChanges) {
  TExtProgressBar bar;
  bar.show();
  bar.SetPosition(50);
  bar.resize(300, 20);
  EXPECT_EQ(bar.Panel().geometry(), bar.rect());
  EXPECT_EQ(bar.Bar().width(), InnerWidth(bar) / 2);
  const int flat = InnerWidth(bar);

  bar.SetCtl3D(true);
  EXPECT_TRUE(bar.Ctl3D());
  EXPECT_LT(InnerWidth(bar), flat);
  EXPECT_EQ(bar.Bar().width(), InnerWidth(bar) / 2);
}

}  // namespace
}  // namespace plorvane
