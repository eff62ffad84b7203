#pragma once
// What the tool windows share: the tool panel (a row of flat 25 by 25 buttons between two 2-pixel
// lines), dragging the window by one of its buttons, taking a colour off the screen by dragging
// another, and the rule that every move keeps 32 pixels of the window on the screen.

#include <QAbstractButton>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>

#include "graphics/bitmap.h"
#include "graphics/colour.h"
#include "texttools/eye_dropper.h"

namespace plorvane {

class ToolPanel final : public QWidget {
 public:
  static constexpr int kButtonSide = 25;
  static constexpr int kLineHeight = 2;

  explicit ToolPanel(QWidget* parent);

  // A flat button right of the ones before it, its top on the upper line's lower edge; owned by
  // the panel. The glyph's lower-left colour shows as the button face.
  QToolButton& AddButton(const QString& hint, const Bitmap& glyph, bool drag_cursor);
  // The system highlight colour while its window is dragged; the button face otherwise.
  void SetHighlighted(bool on);
  [[nodiscard]] bool Highlighted() const { return highlighted_; }
  // The right edge of the last button (0 with none).
  [[nodiscard]] int ButtonsRight() const { return buttons_right_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int buttons_right_ = 0;
  bool highlighted_ = false;
};

// Moves a top-level window's frame to `top_left`, kept so that at least 32 pixels of the window
// stay on its screen.
void PlaceOnScreen(QWidget& window, QPoint top_left);
// The size of the screen the window is on (the primary screen before it is shown); empty
// without any screen.
QSize ScreenSizeOf(const QWidget& window);
// Moves a top-level window to the middle of its screen (halves rounded towards zero).
void CentreOnScreen(QWidget& window);

// While `button` is held the window follows the pointer; `on_dragging` hears true at the press
// and false at the release, so the window can show it (the panel's colour, "Dragging").
class WindowDragButton final : public QObject {
 public:
  WindowDragButton(QAbstractButton& button, QWidget& window, std::function<void(bool dragging)> on_dragging);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<void(bool)> on_dragging_;
  QPoint grab_offset_;  // the pointer's global position minus the window's at the press
  bool dragging_ = false;
};

// While `button` is held, each move with the pointer outside the button hands the colour of the
// screen pixel under the pointer to `picked`. A release outside the button is no click, so the
// button's own click (a colour dialog, say) comes only from a plain click.
class ScreenColourButton final : public QObject {
 public:
  // The eye dropper must outlive the button.
  ScreenColourButton(QAbstractButton& button, const TEyeDropper& eye_dropper, std::function<void(Colour)> picked);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractButton& button_;
  const TEyeDropper& eye_dropper_;
  std::function<void(Colour)> picked_;
  bool held_ = false;
};

// A hint as a tooltip: hints of several lines are joined with "\r\n", Qt breaks lines at "\n".
QString TooltipOf(const std::string& hint);

// The colour button's three-line hint: "Color", then how a click and a drag differ, each line
// through the translation lookup.
std::string ScreenColourHint();

// A speed-button glyph as an icon: the colour of its lower-left pixel is transparent, as on the
// speed buttons the glyphs were drawn for. Null for an empty bitmap.
QPixmap GlyphPixmap(const Bitmap& glyph);

}  // namespace plorvane
