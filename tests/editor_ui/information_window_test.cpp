// The Information window as the user sees it: the summary's lines, styled, in a read-only box
// of the fixed size, with the card's own texts shown as typed.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextEdit>

#include "editor/card_information.h"
#include "editor/ui/information_window.h"

namespace plorvane::test {
namespace {

// The character format of the first piece of text that contains `text`.
QTextCharFormat FormatOf(const QTextEdit& box, const QString& text) {
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().text().contains(text)) return fragment.fragment().charFormat();
    }
  }
  ADD_FAILURE() << "no text " << text.toStdString();
  return {};
}

QString Shown(const std::vector<InformationPiece>& pieces) {
  const InformationWindow window("Information", QString::fromStdString(InformationRichText(pieces)));
  return window.TextBox().toPlainText();
}

TEST(InformationWindowTest, ShowsTheSummaryReadOnlyInItsFixedSize) {
  const std::vector<InformationPiece> pieces = {
      {InformationStyle::kTitle, "Card Information"},
      {InformationStyle::kHeading, "Animations:"},
      {InformationStyle::kValue, "    2 animation/s\n    1 duplicate/s"},
  };
  InformationWindow window("Information", QString::fromStdString(InformationRichText(pieces)));
  EXPECT_EQ(window.windowTitle(), "Information");
  EXPECT_EQ(window.size(), QSize(InformationWindow::kClientWidth, InformationWindow::kClientHeight));
  EXPECT_TRUE(window.TextBox().isReadOnly());
  // Blanks keep their width and every piece and "\n" starts a line.
  EXPECT_EQ(window.TextBox().toPlainText(),
            QString("Card Information\nAnimations:\n    2 animation/s\n    1 duplicate/s"));
  // The title stands out from the values: bold red against blue.
  const QTextCharFormat title = FormatOf(window.TextBox(), "Information");
  const QTextCharFormat value = FormatOf(window.TextBox(), "animation/s");
  EXPECT_GT(title.fontWeight(), value.fontWeight());
  EXPECT_NE(title.foreground().color(), value.foreground().color());
}

TEST(InformationWindowTest, CardTextsThatLookLikeMarkupAreShownAsTyped) {
  EXPECT_EQ(Shown({{InformationStyle::kValue, "<b>Ann & Bob</b>"}}), QString("<b>Ann & Bob</b>"));
  EXPECT_EQ(Shown({{InformationStyle::kValue, "mailto:x@example.org?subject=<hi>"}}),
            QString("mailto:x@example.org?subject=<hi>"));
}

}  // namespace
}  // namespace plorvane::test
