// New, Open, Save, Save As and Undo through the menus, with scripted dialogs.
#include <filesystem>

#include "card/card_format.h"
#include "card/legacy_card.h"
#include "editor_fixture.h"
#include "streaming/component_string.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/record_writer.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

TEST_F(EditorTest, NewPresetSaveOpenAndUndoTwice) {
  TForm1& form = Start();
  TZarvickV2& card = form.Card();
  ASSERT_TRUE(Pick("&File", "&New"));
  EXPECT_EQ(form.Caption(), "Untitled.exe - Plorvane");
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Love"));  // Shift+F7
  const Colour love = card.pColor();
  EXPECT_EQ(form.Caption(), "*Untitled.exe - Plorvane");

  const std::string file = folder_.File("love.exe");
  platform_.dialogs().ScriptFileChoice(file);
  form.iButtons_OnClick(3);  // Save As...
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(form.Caption(), "love.exe - Plorvane");
  // The saved card starts with the player image from the critical carrier.
  const auto bytes = FileBytes(file);
  ASSERT_GT(bytes.size(), static_cast<std::size_t>(kCardStreamOffset));
  EXPECT_TRUE(std::equal(PlayerImage().begin(), PlayerImage().end(), bytes.begin()));
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().kind, FileDialogKind::kSave);
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().default_extension, "EXE");
  EXPECT_TRUE(ItemEnabled("&File", "&Save"));

  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Joy"));
  const Colour joy = card.pColor();
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Hope"));
  platform_.dialogs().ScriptFileChoice(file);
  platform_.dialogs().ScriptMessageAnswer(MessageAnswer::kNo);
  ASSERT_TRUE(Pick("&File", "&Open..."));
  EXPECT_EQ(card.pColor(), love);
  EXPECT_EQ(form.Caption(), "love.exe - Plorvane");

  // Undo after Open brings back the state before the last change; again returns to the file.
  ASSERT_TRUE(Pick("&Edit", "&Undo"));
  EXPECT_EQ(card.pColor(), joy);
  ASSERT_TRUE(Pick("&Edit", "&Undo"));
  EXPECT_EQ(card.pColor(), love);
  EXPECT_EQ(platform_.dialogs().UnusedAnswers(), 0U);
}

TEST_F(EditorTest, CancellingTheOpenDialogNeverAsksAboutChanges) {
  Start();
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Charm"));
  platform_.dialogs().ScriptFileCancel();
  ASSERT_TRUE(Pick("&File", "&Open..."));
  EXPECT_TRUE(platform_.dialogs().messages().empty());
  EXPECT_EQ(platform_.dialogs().file_dialogs().back().filter, "Zarvicks (*.exe)|*.exe");
}

TEST_F(EditorTest, NewOnAnUnsavedCardAnsweredYesGoesOnOnlyWhenSaved) {
  TForm1& form = Start();
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Classic"));
  const Colour classic = form.Card().pColor();
  platform_.dialogs().ScriptMessageAnswer(MessageAnswer::kYes);
  platform_.dialogs().ScriptFileCancel();
  ASSERT_TRUE(Pick("&File", "&New"));
  EXPECT_EQ(form.Card().pColor(), classic);  // nothing saved, nothing replaced

  platform_.dialogs().ScriptMessageAnswer(MessageAnswer::kYes);
  platform_.dialogs().ScriptFileChoice(folder_.File("classic.exe"));
  ASSERT_TRUE(Pick("&File", "&New"));
  EXPECT_TRUE(std::filesystem::exists(folder_.File("classic.exe")));
  EXPECT_NE(form.Card().pColor(), classic);
  // Undo after New brings the previous card back.
  ASSERT_TRUE(Pick("&Edit", "&Undo"));
  EXPECT_EQ(form.Card().pColor(), classic);
}

TEST_F(EditorTest, SaveAsOntoAFileThatIsNoCardIsRefused) {
  TForm1& form = Start();
  ASSERT_TRUE(Pick("F&rame > Collect&ion", "Zing"));
  const std::string program = folder_.Write("tool.exe", std::string(5000, '\x90'));
  const auto before = FileBytes(program);
  platform_.dialogs().ScriptFileChoice(program);
  ASSERT_TRUE(Pick("&File", "Save &As..."));
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0].text, msg::kProgramExists);
  EXPECT_EQ(FileBytes(program), before);
  EXPECT_EQ(form.Caption(), "*Untitled.exe - Plorvane");
  EXPECT_FALSE(form.GetBusy());
}

// A first-version card: signature record at its own offset, then the old record.
std::vector<std::uint8_t> FirstVersionCard() {
  MemoryStream stream;
  stream.Write(std::vector<std::uint8_t>(kLegacyCardStreamOffset, 0x11));
  TComponentString signature;
  signature.X = kLegacySignature;
  WriteObject(stream, signature);
  RecordWriter writer(stream);
  writer.BeginRecord("TZarvickV1");
  writer.Integer("Split", 50);
  writer.Integer("Color", 0x00FF00);
  writer.Integer("Size", 30);
  writer.Integer("Shade", 30);
  writer.String("Link", "http://old.example/");
  writer.EndRecord();
  return stream.bytes();
}

TEST_F(EditorTest, AFirstVersionCardOnTheCommandLineOpensAndSavesAsACurrentCard) {
  const auto old_bytes = FirstVersionCard();
  const std::string old_card = folder_.Write("old.exe", std::string(old_bytes.begin(), old_bytes.end()));
  TForm1& form = Start(old_card);
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
  EXPECT_EQ(form.Card().pLink(), "http://old.example/");
  EXPECT_EQ(form.Caption(), "old.exe - Plorvane");

  platform_.dialogs().ScriptFileChoice(old_card);
  ASSERT_TRUE(Pick("&File", "Save &As..."));
  MemoryStream saved(FileBytes(old_card));
  saved.Seek(kCardStreamOffset);
  EXPECT_EQ(TZarvickV2::DetectCard(saved, false), CardVersion::kCurrent);
  TZarvickV2 reopened(platform_, CardMode::kEditor);
  ASSERT_TRUE(reopened.LoadFromFile(old_card)) << reopened.LastError();
  EXPECT_EQ(reopened.pSize(), 30);
  EXPECT_EQ(reopened.pLink(), "http://old.example/");
}

TEST_F(EditorTest, ADamagedCardOnTheCommandLineShowsItsErrorAndGivesANewCard) {
  std::string damaged(kCardStreamOffset + 200, '\0');
  damaged.replace(kCardStreamOffset, 20, "TPF0 garbage garbage");
  TForm1& form = Start(folder_.Write("damaged.exe", damaged));
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(form.Caption(), "Untitled.exe - Plorvane");
  EXPECT_EQ(form.Card().FileName(), Library("Zarvicks") + "Untitled.exe");
  const TZarvickV2 fresh(platform_, CardMode::kEditor);
  EXPECT_EQ(form.Card().pColor(), fresh.pColor());
  EXPECT_EQ(form.Card().pSize(), fresh.pSize());
  EXPECT_TRUE(form.Card().Window().IsVisible());
}

}  // namespace
}  // namespace plorvane::test
