// The Frame and Link menus' own commands and the drag-adjust tool buttons: sizes from the menu,
// the input box and a drag; colours from the dialog, the picture and the screen; links and the
// kind the Link menu checks.
#include <optional>
#include <string>
#include <vector>

#include "card/card.h"
#include "editor_fixture.h"
#include "graphics/bitmap_graphic.h"

namespace plorvane::test {
namespace {

constexpr int kSizeButton = 16;
constexpr int kFrameColourButton = 17;
constexpr int kLinkColourButton = 19;
constexpr Colour kRed = MakeColour(255, 0, 0);

class FrameLinkTest : public EditorTest {
 protected:
  // A picture of one colour with its four corners set apart.
  void SetPicture(Colour fill, Colour top_left, Colour top_right, Colour bottom_right, Colour bottom_left) {
    Bitmap pixels;
    ASSERT_TRUE(pixels.Resize(60, 40, fill));
    pixels.SetPixel(0, 0, top_left);
    pixels.SetPixel(59, 0, top_right);
    pixels.SetPixel(59, 39, bottom_right);
    pixels.SetPixel(0, 39, bottom_left);
    Picture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(std::move(pixels)));
    form_->Card().SetCardPicture(std::move(picture));
  }
  // Press at `from`, move through `path`, release at the last point (or `from` without a path).
  void Drag(int tag, Point from, const std::vector<Point>& path) {
    form_->AdjustButtonDown(tag, from);
    for (const Point& at : path) form_->AdjustButtonMove(tag, at);
    form_->AdjustButtonUp(tag, path.empty() ? from : path.back());
  }
  // The Size submenu's caption shows the size once the Frame menu has opened.
  bool PickSize(const std::string& item) {
    Menu("F&rame").Opening();
    return Pick("F&rame > &Size [" + std::to_string(form_->Card().pSize()) + "]", item);
  }
  bool Checked(const std::string& menu, const std::string& item) {
    PopupMenu& submenu = Menu(menu);
    submenu.Opening();
    return submenu.IsChecked(submenu.IndexOf(item));
  }
};

TEST_F(FrameLinkTest, DraggingTheSizeButtonSetsTheSizeInStepsOfFiveAndAShortPressAsks) {
  struct Case {
    const char* name;
    std::vector<Point> path;  // pressed at (12, 10)
    int size;
    bool asked;
  };
  const std::vector<Case> cases = {
      // The first move is ignored; 15 + 12 = 27 gives 25.
      {"down by 12", {{12, 11}, {12, 22}}, 25, false},
      {"up by 20, the frame goes", {{12, 9}, {12, -10}}, 0, false},
      {"far down stops at 75", {{12, 11}, {12, 300}}, 75, false},
      {"back where it started", {{12, 14}, {12, 40}, {12, 10}}, 15, false},
      {"a press without moves", {}, 15, true},
      {"a press with one move", {{12, 20}}, 15, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    form_->Card().SetSize(15);
    platform_.dialogs().ScriptInputAnswer(std::nullopt);
    const std::size_t asked_before = platform_.dialogs().input_boxes().size();
    Drag(kSizeButton, {12, 10}, c.path);
    EXPECT_EQ(form_->Card().pSize(), c.size);
    ASSERT_EQ(platform_.dialogs().input_boxes().size() - asked_before, c.asked ? 1U : 0U);
    if (c.asked) {
      EXPECT_EQ(platform_.dialogs().input_boxes().back(),
                (InputBoxRecord{"Frame Size", "Type Size of Frame 0-75", "15"}));
    } else {
      (void)platform_.dialogs().InputBox("", "", "");  // takes the unused cancel
    }
    EXPECT_FALSE(form_->Card().AnimationsSuspended());
  }
}

TEST_F(FrameLinkTest, ADragIsOneUndoStep) {
  Start();
  form_->Card().SetSize(15);
  Drag(kSizeButton, {12, 10}, {{12, 11}, {12, 16}, {12, 21}, {12, 31}});
  EXPECT_EQ(form_->Card().pSize(), 35);
  ASSERT_TRUE(form_->Card().Undo());
  EXPECT_EQ(form_->Card().pSize(), 15);
}

TEST_F(FrameLinkTest, TheSizeDialogReadsARoundedNumberWithinTheCardsLimit) {
  struct Case {
    const char* name;
    std::optional<std::string> answer;
    int size;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"above the largest", "100", 75, true},
      {"a word", "wide", 0, true},
      {"a fraction", "20.6", 21, true},
      {"the same size", "15", 15, false},
      {"cancelled", std::nullopt, 15, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    form_->Card().SetSize(15);
    platform_.dialogs().ScriptInputAnswer(c.answer);
    ASSERT_TRUE(PickSize("&Define..."));
    EXPECT_EQ(form_->Card().pSize(), c.size);
    EXPECT_EQ(form_->Card().Saved(), !c.changed);
  }
  // On a card already as wide as it gets, a larger number is no change.
  form_->Card().SetSize(75);
  platform_.dialogs().ScriptInputAnswer("200");
  ASSERT_TRUE(PickSize("&Define..."));
  EXPECT_TRUE(form_->Card().Saved());
}

TEST_F(FrameLinkTest, SizePresetsAreUndoable) {
  Start();
  ASSERT_TRUE(PickSize("5  Small"));
  EXPECT_EQ(form_->Card().pSize(), 5);
  EXPECT_FALSE(form_->Card().Saved());
  ASSERT_TRUE(form_->Card().Undo());
  EXPECT_EQ(form_->Card().pSize(), 50);
}

TEST_F(FrameLinkTest, AutoColourFollowsThePictureWithoutAnUndoStep) {
  const Colour dark = MakeColour(50, 20, 10);
  const Colour bright = MakeColour(0, 90, 0);
  struct Case {
    const char* name;
    Colour top_left, top_right, bottom_right, bottom_left;
    Colour frame;
  };
  const std::vector<Case> cases = {
      // 40 % white and 60 % the pixel: 102 + 30, 102 + 12, 102 + 6.
      {"four dark corners", kBlack, dark, kBlack, dark, MakeColour(132, 114, 108)},
      {"the first bright corner", dark, bright, kWhite, kWhite, bright},
      {"bright only at the bottom left", dark, dark, dark, bright, bright},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    SetPicture(kBlack, c.top_left, c.top_right, c.bottom_right, c.bottom_left);
    ASSERT_TRUE(ItemEnabled("F&rame", "Auto Colo&r"));
    ASSERT_TRUE(Pick("F&rame", "Auto Colo&r"));
    EXPECT_EQ(form_->Card().pColor(), c.frame);
    EXPECT_TRUE(form_->Card().Saved());
    EXPECT_FALSE(ItemEnabled("F&rame", "Auto Colo&r"));
  }
}

TEST_F(FrameLinkTest, AutoLinkColourContrastsWithTheBottomRow) {
  struct Case {
    const char* name;
    Colour fill;
    Colour link;
  };
  const std::vector<Case> cases = {
      // The halving average stays just below the row's value: 9, 19, 29 for 10, 20, 30.
      {"dark picture, light link", MakeColour(10, 20, 30), MakeColour(246, 236, 226)},
      {"middle brightness gives white", MakeColour(128, 128, 128), kWhite},
      {"light picture, dark link", kWhite, MakeColour(1, 1, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    SetPicture(c.fill, c.fill, c.fill, c.fill, c.fill);
    form_->Card().SetLinkColor(MakeColour(1, 2, 3));
    ASSERT_TRUE(Pick("&Link", "Auto Colo&r"));
    EXPECT_EQ(form_->Card().pLinkColor(), c.link);
    EXPECT_TRUE(form_->Card().Saved());
  }
}

TEST_F(FrameLinkTest, DraggingAColourButtonTakesTheScreenColourAsOneUndoStep) {
  struct Case {
    const char* name;
    int tag;
    Colour (TZarvickV2::*colour)() const;
  };
  const std::vector<Case> cases = {
      {"frame colour", kFrameColourButton, &TZarvickV2::pColor},
      {"link colour", kLinkColourButton, &TZarvickV2::pLinkColor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    TZarvickV2& card = form_->Card();
    const Colour before = (card.*c.colour)();
    Bitmap screen;
    ASSERT_TRUE(screen.Resize(200, 100, kRed));
    for (int x = 100; x < 200; ++x) {
      for (int y = 0; y < 100; ++y) screen.SetPixel(x, y, MakeColour(0, 0, 255));
    }
    platform_.screen().SetPixels(std::move(screen));
    platform_.screen().SetMousePosition({150, 50});
    form_->AdjustButtonDown(c.tag, {12, 12});
    EXPECT_TRUE(card.AnimationsSuspended());
    form_->AdjustButtonMove(c.tag, {20, 20});  // still over the button: nothing
    EXPECT_EQ((card.*c.colour)(), before);
    form_->AdjustButtonMove(c.tag, {-100, 30});
    EXPECT_EQ((card.*c.colour)(), MakeColour(0, 0, 255));
    platform_.screen().SetMousePosition({40, 60});
    form_->AdjustButtonMove(c.tag, {-200, 30});
    EXPECT_EQ((card.*c.colour)(), kRed);
    form_->AdjustButtonUp(c.tag, {-200, 30});  // released away from the button: no dialog
    EXPECT_TRUE(platform_.dialogs().colour_dialogs().empty());
    EXPECT_FALSE(card.AnimationsSuspended());
    ASSERT_TRUE(card.Undo());
    EXPECT_EQ((card.*c.colour)(), before);
  }
}

TEST_F(FrameLinkTest, ClickingAColourButtonOpensTheColourDialog) {
  Start();
  TZarvickV2& card = form_->Card();
  // The same colour again is no change.
  platform_.dialogs().ScriptColourAnswer(card.pLinkColor());
  ASSERT_TRUE(Pick("&Link", "C&olor..."));
  EXPECT_TRUE(card.Saved());
  const Colour before = card.pColor();
  platform_.dialogs().ScriptColourAnswer(kRed);
  form_->AdjustButtonDown(kFrameColourButton, {12, 12});
  form_->AdjustButtonUp(kFrameColourButton, {12, 12});
  ASSERT_EQ(platform_.dialogs().colour_dialogs().size(), 2U);
  EXPECT_EQ(platform_.dialogs().colour_dialogs().back(), (ColourDialogRecord{before, true}));
  EXPECT_EQ(card.pColor(), kRed);
  ASSERT_TRUE(card.Undo());
  EXPECT_EQ(card.pColor(), before);
}

TEST_F(FrameLinkTest, TheLinkMenuChecksTheKindOfTheTypedLink) {
  struct Case {
    const char* name;
    const char* item;
    std::string typed;
    bool email;
  };
  const std::vector<Case> cases = {
      {"web link", "As &Web Link...", "http://example.org", false},
      {"e-mail link", "As &Email Link...", "mailto:x@example.org", true},
      {"prefix in capitals", "As &Web Link...", "MAILTO:x@example.org", true},
      {"e-mail prompt without the prefix", "As &Email Link...", "x@example.org", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    platform_.dialogs().ScriptInputAnswer(c.typed);
    ASSERT_TRUE(Pick("&Link", c.item));
    EXPECT_EQ(form_->Card().pLink(), c.typed);
    EXPECT_EQ(Checked("&Link", "As &Email Link..."), c.email);
    EXPECT_EQ(Checked("&Link", "As &Web Link..."), !c.email);
    EXPECT_TRUE(ItemEnabled("&Link", "C&lear"));
  }
}

TEST_F(FrameLinkTest, LinkPromptsStartFromTheLinkOfTheirKind) {
  Start();
  HeadlessDialogs& dialogs = platform_.dialogs();
  dialogs.ScriptInputAnswer("mailto:a@example.org");
  ASSERT_TRUE(Pick("&Link", "As &Email Link..."));
  EXPECT_EQ(dialogs.input_boxes().back().default_text, "mailto:");
  EXPECT_EQ(dialogs.input_boxes().back().caption, "Email Link");
  // Button 18 keeps the kind; the web prompt starts afresh.
  dialogs.ScriptInputAnswer(std::nullopt);
  form_->iButtons_OnClick(18);
  EXPECT_EQ(dialogs.input_boxes().back().default_text, "mailto:a@example.org");
  dialogs.ScriptInputAnswer(std::nullopt);
  ASSERT_TRUE(Pick("&Link", "As &Web Link..."));
  EXPECT_EQ(dialogs.input_boxes().back(),
            (InputBoxRecord{"Web Link", "Type your internet address [http://www.example.com]", "http://"}));
  // An empty answer removes the link, as one undoable change.
  dialogs.ScriptInputAnswer("");
  form_->iButtons_OnClick(18);
  EXPECT_TRUE(form_->Card().pLink().empty());
  ASSERT_TRUE(form_->Card().Undo());
  EXPECT_EQ(form_->Card().pLink(), "mailto:a@example.org");
}

}  // namespace
}  // namespace plorvane::test
