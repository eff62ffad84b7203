#include "graphics/metafile_context.h"

#include <gtest/gtest.h>

namespace plorvane::metafile {
namespace {

struct Landing {
  double x;
  double y;
};

Landing Land(const DrawingContext& context, Point point) {
  const Mapping mapping = context.ToTarget();
  return {point.x * mapping.scale_x + mapping.offset_x, point.y * mapping.scale_y + mapping.offset_y};
}

DrawingContext ContextOf(Kind kind, Rect frame, const std::vector<Command>& commands, TargetRect target) {
  DrawingContext context(Drawing{kind, frame, {}, false}, target);
  for (const Command& command : commands) EXPECT_TRUE(context.Apply(command));
  return context;
}

TEST(MetafileContextTest, LogicalUnitsLandOnTheTarget) {
  const TargetRect target{0, 0, 200, 100};
  const struct {
    const char* name;
    Kind kind;
    Rect frame;
    std::vector<Command> commands;
    Point logical;
    Landing expected;
  } cases[] = {
      // The placeable box fills the target.
      {"windows, placeable box", Kind::kWindows, {-100, 0, 100, 1000}, {}, {0, 500}, {100, 50}},
      // Window records replace the box.
      {"windows, window records",
       Kind::kWindows,
       {0, 0, 10, 10},
       {SetMapping{MappingField::kWindowOrigin, {50, 50}}, SetMapping{MappingField::kWindowExtent, {100, -50}}},
       {100, 25},
       {100, 50}},
      {"windows, no window at all", Kind::kWindows, {}, {}, {7, 9}, {7, 9}},
      // Text mode: one logical unit a reference pixel, the bounds 0..99 (100 pixels) across 200.
      {"enhanced, text mode", Kind::kEnhanced, {0, 0, 99, 49}, {}, {50, 25}, {100, 50}},
      {"enhanced, text mode ignores extents",
       Kind::kEnhanced,
       {0, 0, 99, 49},
       {SetMapping{MappingField::kWindowExtent, {1000, 1000}}, SetMapping{MappingField::kViewportOrigin, {10, 0}}},
       {40, 25},
       {100, 50}},
      {"enhanced, anisotropic",
       Kind::kEnhanced,
       {0, 0, 99, 49},
       {SetMapMode{MapMode::kAnisotropic}, SetMapping{MappingField::kWindowExtent, {1000, -500}},
        SetMapping{MappingField::kViewportExtent, {100, 50}}, SetMapping{MappingField::kViewportOrigin, {0, 50}}},
       {500, 250},
       {100, 50}},
      // Isotropic keeps the smaller scale on both axes: 0.1 across and down.
      {"enhanced, isotropic",
       Kind::kEnhanced,
       {0, 0, 99, 49},
       {SetMapMode{MapMode::kIsotropic}, SetMapping{MappingField::kWindowExtent, {1000, 250}},
        SetMapping{MappingField::kViewportExtent, {100, 50}}},
       {500, 250},
       {100, 50}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Landing landed = Land(ContextOf(c.kind, c.frame, c.commands, target), c.logical);
    EXPECT_DOUBLE_EQ(landed.x, c.expected.x);
    EXPECT_DOUBLE_EQ(landed.y, c.expected.y);
  }
}

TEST(MetafileContextTest, WindowsScalingAndOffsetRecordsMoveTheWindow) {
  const DrawingContext context =
      ContextOf(Kind::kWindows, {0, 0, 100, 100}, {OffsetWindowOrigin{{10, 20}}, ScaleWindowExtent{1, 2, 3, 1}},
                {0, 0, 100, 300});
  EXPECT_EQ(context.state().window_origin, (Point{10, 20}));
  EXPECT_EQ(context.state().window_extent, (Point{50, 300}));
  EXPECT_DOUBLE_EQ(Land(context, {60, 320}).x, 100);
  EXPECT_DOUBLE_EQ(Land(context, {60, 320}).y, 300);
}

TEST(MetafileContextTest, RestoreReturnsToTheSavedStateAndIgnoresStatesNeverSaved) {
  const Pen red{MakeColour(255, 0, 0), 1, PenStyle::kSolid};
  const Pen blue{MakeColour(0, 0, 255), 2, PenStyle::kDot};
  DrawingContext context(Drawing{}, {0, 0, 10, 10});
  const auto apply = [&](const Command& command) { EXPECT_TRUE(context.Apply(command)); };
  apply(SelectPen{red});
  apply(SaveState{});         // depth 1: red
  apply(SelectPen{blue});
  apply(SaveState{});         // depth 2: blue
  apply(SetTextColour{kWhite});
  apply(RestoreState{-5});  // never saved: nothing changes
  apply(RestoreState{3});
  apply(RestoreState{0});
  EXPECT_EQ(context.state().text_colour, kWhite);
  apply(RestoreState{-1});
  EXPECT_EQ(context.state().pen, blue);
  EXPECT_EQ(context.state().text_colour, kBlack);
  apply(SelectPen{{}});
  apply(RestoreState{1});
  EXPECT_EQ(context.state().pen, red);
  apply(RestoreState{-1});  // the stack is empty again
  EXPECT_EQ(context.state().pen, red);
}

TEST(MetafileContextTest, DrawingCommandsMoveTheCurrentPositionWhereTheyEnd) {
  DrawingContext context(Drawing{}, {0, 0, 10, 10});
  EXPECT_TRUE(context.Apply(MoveTo{{1, 2}}));
  EXPECT_FALSE(context.Apply(LineTo{{3, 4}}));
  EXPECT_EQ(context.state().position, (Point{3, 4}));
  EXPECT_FALSE(context.Apply(Polyline{{{5, 6}, {7, 8}}, true}));
  EXPECT_EQ(context.state().position, (Point{7, 8}));
  EXPECT_FALSE(context.Apply(Polyline{{{9, 9}}, false}));  // not from the position: it stays
  EXPECT_FALSE(context.Apply(Rectangle{{0, 0, 1, 1}}));
  EXPECT_EQ(context.state().position, (Point{7, 8}));
}

}  // namespace
}  // namespace plorvane::metafile
