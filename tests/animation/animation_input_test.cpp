#include <gtest/gtest.h>

#include <vector>

#include "animation/playback_fixture.h"
#include "platform/card_window.h"

namespace plorvane {
namespace {

using test::PatternStrip;

constexpr int kPress = TSAG::kMousePress;
constexpr int kHover = TSAG::kMouseHover;
constexpr int kSpace = ' ';

class AnimationInputTest : public test::PlaybackFixture {
 protected:
  int PlaceAt(int x, int y, int side) {
    return Place(PatternStrip(side, side, 1), side, [&](TElementRec& e) {
      e.pX = x;
      e.pY = y;
    });
  }
  Point PositionOf(int index) const { return {Element(index).pX, Element(index).pY}; }
};

TEST_F(AnimationInputTest, PressSelectsTheElementUnderThePointAndDragMovesIt) {
  group_.SetEditable(true);
  const int first = PlaceAt(0, 0, 8);
  const int second = PlaceAt(20, 20, 8);
  ASSERT_EQ(group_.Selected(), second);

  EXPECT_TRUE(group_.MouseAction(kPress, 2, 2));
  EXPECT_EQ(group_.Selected(), first);
  EXPECT_EQ(paints_, 1);
  EXPECT_TRUE(group_.MouseAction(kPress, 5, 7));
  EXPECT_EQ(PositionOf(first), (Point{3, 5}));
  EXPECT_TRUE(group_.MouseAction(kPress, 6, 7));
  EXPECT_EQ(PositionOf(first), (Point{4, 5}));
  EXPECT_EQ(PositionOf(second), (Point{20, 20}));

  EXPECT_TRUE(group_.MouseAction(kHover, 6, 7));
  EXPECT_FALSE(group_.MouseAction(kHover, 35, 5));
  EXPECT_FALSE(group_.MouseAction(5, 6, 7));
}

TEST_F(AnimationInputTest, DragStopsWhereFewerThanTenPixelsWouldStayOnThePicture) {
  group_.SetEditable(true);
  const int element = PlaceAt(5, 5, 20);
  ASSERT_TRUE(group_.MouseAction(kPress, 10, 10));
  struct Step {
    int mouse_x;
    int expected_x;
  };
  // The picture is 40 wide and the element 20: x may run from -10 to 30.
  const std::vector<Step> steps = {{35, 30}, {36, 30}, {37, 30}, {31, 24}, {-3, -10}, {-4, -10}, {0, -6}};
  for (const Step& step : steps) {
    group_.MouseAction(kPress, step.mouse_x, 10);
    EXPECT_EQ(Element(element).pX, step.expected_x) << "mouse at " << step.mouse_x;
  }
  EXPECT_EQ(Element(element).pY, 5);
}

TEST_F(AnimationInputTest, ArrowsMoveTheSelectionByOneOrFifteenWithShift) {
  group_.SetEditable(true);
  const int element = PlaceAt(15, 15, 20);
  struct KeyCase {
    int key;
    bool shift;
    Point expected;
  };
  for (const KeyCase& c : {KeyCase{kKeyLeft, false, {14, 15}}, KeyCase{kKeyLeft, true, {0, 15}},
                           KeyCase{kKeyRight, false, {16, 15}}, KeyCase{kKeyRight, true, {30, 15}},
                           KeyCase{kKeyUp, false, {15, 14}}, KeyCase{kKeyUp, true, {15, 0}},
                           KeyCase{kKeyDown, false, {15, 16}}, KeyCase{kKeyDown, true, {15, 30}}}) {
    Update(element, [](TElementRec& e) { e.pX = e.pY = 15; });
    KeyEvent event;
    event.key = c.key;
    event.shift = c.shift;
    EXPECT_TRUE(group_.HandleKey(event));
    EXPECT_EQ(PositionOf(element), c.expected) << "key " << c.key << (c.shift ? " with Shift" : "");
  }
}

TEST_F(AnimationInputTest, KeysStopTheSelectionAtTheEdgeOfThePicture) {
  group_.SetEditable(true);
  const int element = PlaceAt(25, 0, 20);
  KeyEvent right{kKeyRight};
  right.shift = true;
  EXPECT_TRUE(group_.HandleKey(right));
  EXPECT_EQ(Element(element).pX, kCanvasSide - 10);
}

TEST_F(AnimationInputTest, SpaceAndCtrlStepTheSelectionAround) {
  group_.SetEditable(true);
  const std::vector<int> elements = {PlaceAt(0, 0, 6), PlaceAt(10, 0, 6), PlaceAt(20, 0, 6)};
  ASSERT_EQ(group_.Selected(), 2);
  struct KeyCase {
    int key;
    bool control;
    int expected;
  };
  for (const KeyCase& c : {KeyCase{kSpace, false, 0}, KeyCase{kSpace, false, 1}, KeyCase{kSpace, true, 0},
                           KeyCase{kKeyLeft, true, 2}, KeyCase{kKeyRight, true, 0}, KeyCase{kKeyRight, true, 1}}) {
    KeyEvent event{c.key};
    event.control = c.control;
    EXPECT_TRUE(group_.HandleKey(event));
    EXPECT_EQ(group_.Selected(), c.expected) << "key " << c.key << (c.control ? " with Ctrl" : "");
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(PositionOf(elements[static_cast<std::size_t>(i)]), (Point{10 * i, 0}));
  // Keys it has no use for go on to the editor.
  EXPECT_FALSE(group_.HandleKey(KeyEvent{kKeyDelete}));
  EXPECT_FALSE(group_.HandleKey(KeyEvent{'A'}));
}

TEST_F(AnimationInputTest, NothingIsSelectedOrMovedWhileNotEditable) {
  const int first = PlaceAt(0, 0, 8);
  const int second = PlaceAt(20, 20, 8);
  ASSERT_FALSE(group_.Editable());
  const int selected = group_.Selected();

  EXPECT_FALSE(group_.MouseAction(kHover, 2, 2));
  group_.MouseAction(kPress, 2, 2);
  group_.MouseAction(kPress, 9, 9);
  group_.SelectAt(22, 22);
  EXPECT_EQ(group_.Selected(), selected);
  EXPECT_FALSE(group_.HandleKey(KeyEvent{kKeyLeft}));
  EXPECT_FALSE(group_.HandleKey(KeyEvent{kSpace}));
  EXPECT_EQ(group_.Selected(), selected);
  EXPECT_EQ(PositionOf(first), (Point{0, 0}));
  EXPECT_EQ(PositionOf(second), (Point{20, 20}));
}

}  // namespace
}  // namespace plorvane
