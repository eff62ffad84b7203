#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

TEST(HeadlessDialogsTest, ScriptedAnswersAreTakenInOrderPerKindOfDialog) {
  HeadlessPlatform platform;
  HeadlessDialogs& dialogs = platform.dialogs();
  dialogs.ScriptInputAnswer("12");
  dialogs.ScriptInputAnswer(std::nullopt);
  dialogs.ScriptFileChoice("/cards/first.exe");
  dialogs.ScriptFileChoice("/cards/second.bmp", 3);
  dialogs.ScriptFileFailure();
  dialogs.ScriptMessageAnswer(MessageAnswer::kNo);

  const FileDialogRequest request{FileDialogKind::kSave, "", "Bitmap (*.bmp)|*.bmp", 2, "BMP", "/cards/", "a.bmp",
                                  {}, false};
  const FileDialogResult first = dialogs.RunFileDialog(request);
  EXPECT_EQ(dialogs.InputBox("Frame Size", "Type Size of Frame 0-75", "50"), "12");
  const FileDialogResult second = dialogs.RunFileDialog(request);
  EXPECT_EQ(dialogs.InputBox("Web Link", "Type your internet address", ""), std::nullopt);
  EXPECT_EQ(dialogs.ShowMessage({"Plorvane", "Save Changes to Untitled.exe?", MessageIcon::kWarning,
                                 MessageButtons::kYesNoCancel}),
            MessageAnswer::kNo);
  const FileDialogResult third = dialogs.RunFileDialog(request);
  EXPECT_EQ(dialogs.UnusedAnswers(), 0u);

  EXPECT_EQ(first.outcome, FileDialogOutcome::kChosen);
  EXPECT_EQ(first.path, "/cards/first.exe");
  EXPECT_EQ(first.filter_index, 2) << "an unscripted filter index stays as asked";
  EXPECT_EQ(second.path, "/cards/second.bmp");
  EXPECT_EQ(second.filter_index, 3);
  EXPECT_EQ(third.outcome, FileDialogOutcome::kFailed);
  ASSERT_EQ(dialogs.input_boxes().size(), 2u);
  EXPECT_EQ(dialogs.input_boxes()[0], (InputBoxRecord{"Frame Size", "Type Size of Frame 0-75", "50"}));
  EXPECT_EQ(dialogs.file_dialogs().size(), 3u);
}

TEST(HeadlessDialogsTest, UnscriptedDialogsAreCancelled) {
  HeadlessPlatform platform;
  HeadlessDialogs& dialogs = platform.dialogs();
  EXPECT_EQ(dialogs.RunFileDialog({}).outcome, FileDialogOutcome::kCancelled);
  EXPECT_EQ(dialogs.InputBox("Image Strip", "Type number", "1"), std::nullopt);
  EXPECT_EQ(dialogs.ShowMessage({"", "", MessageIcon::kQuestion, MessageButtons::kYesNoCancel}),
            MessageAnswer::kCancel);
  EXPECT_EQ(dialogs.ShowMessage({"", "", MessageIcon::kQuestion, MessageButtons::kYesNo}), MessageAnswer::kNo);
  EXPECT_EQ(dialogs.ShowMessage({"", "", MessageIcon::kWarning, MessageButtons::kYesCancel}), MessageAnswer::kCancel);
  EXPECT_EQ(dialogs.ShowMessage({"", "", MessageIcon::kError, MessageButtons::kOk}), MessageAnswer::kOk);
}

TEST(HeadlessDialogsTest, LogKeepsTheOrderAcrossServices) {
  HeadlessPlatform platform;
  platform.cursors().SetBusy(true);
  platform.dialogs().ErrorBox("Error", "File not found");
  platform.shell().OpenDocument("http://example.org/");
  platform.cursors().SetBusy(false);

  EXPECT_EQ(platform.log().Entries(),
            (std::vector<std::string>{"cursor busy", "error box Error: File not found", "shell open http://example.org/",
                                      "cursor normal"}));
  EXPECT_TRUE(platform.log().ContainsInOrder({"cursor busy", "cursor normal"}));
  EXPECT_FALSE(platform.log().ContainsInOrder({"cursor normal", "cursor busy"}));
  EXPECT_EQ(platform.dialogs().error_boxes(), (std::vector<ErrorBoxRecord>{{"Error", "File not found"}}));
}

TEST(HeadlessDialogsTest, ColourAndFontDialogsAnswerAsScriptedAndKeepEffectsWhenTheyAreLeftOut) {
  HeadlessPlatform platform;
  HeadlessDialogs& dialogs = platform.dialogs();
  const Font memo{"Arial", 10, false, false, true, MakeColour(0, 0, 255), true};
  const Font chosen{"Serif", 14, true, true, false, MakeColour(255, 0, 0), false};
  dialogs.ScriptColourAnswer(MakeColour(1, 2, 3));
  dialogs.ScriptFontAnswer(chosen);
  dialogs.ScriptFontAnswer(chosen);

  EXPECT_EQ(dialogs.ChooseColour(kWhite, true), MakeColour(1, 2, 3));
  EXPECT_EQ(dialogs.ChooseColour(kBlack, false), std::nullopt) << "unscripted: cancelled";
  EXPECT_EQ(dialogs.ChooseFont(memo, true), chosen);
  const std::optional<Font> plain = dialogs.ChooseFont(memo, false);
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(*plain, (Font{"Serif", 14, true, true, true, MakeColour(0, 0, 255), true}));
  EXPECT_EQ(dialogs.ChooseFont(memo, true), std::nullopt);
  EXPECT_EQ(dialogs.UnusedAnswers(), 0u);
  EXPECT_EQ(dialogs.colour_dialogs(), (std::vector<ColourDialogRecord>{{kWhite, true}, {kBlack, false}}));
  ASSERT_EQ(dialogs.font_dialogs().size(), 3u);
  EXPECT_FALSE(dialogs.font_dialogs()[1].show_effects);
}

TEST(HeadlessScreenTest, PixelsComeFromTheScriptedScreenAndAreBlackBeyondIt) {
  HeadlessScreen screen;
  Bitmap pixels;
  ASSERT_TRUE(pixels.Resize(4, 3, kWhite));
  pixels.SetPixel(3, 2, MakeColour(10, 20, 30));
  screen.SetPixels(std::move(pixels));
  EXPECT_EQ(screen.PixelAt({3, 2}), MakeColour(10, 20, 30));
  EXPECT_EQ(screen.PixelAt({0, 0}), kWhite);
  EXPECT_EQ(screen.PixelAt({4, 0}), kBlack);
  EXPECT_EQ(screen.PixelAt({-1, 1}), kBlack);
}

}  // namespace
}  // namespace plorvane
