#include "editor/ui/tool_bar_panel.h"

#include <QApplication>
#include <QIcon>
#include <QMouseEvent>
#include <optional>
#include <utility>

#include "editor/drag_adjust.h"
#include "texttools/ui/tool_window_frame.h"

namespace plorvane {
namespace {

// The cross over the whole screen for as long as it lives: the pointer is the eye dropper, also
// over other programs' windows, since the pressed button holds the pointer.
class CrossCursor {
 public:
  CrossCursor() { QApplication::setOverrideCursor(Qt::CrossCursor); }
  ~CrossCursor() { QApplication::restoreOverrideCursor(); }
  CrossCursor(const CrossCursor&) = delete;
  CrossCursor& operator=(const CrossCursor&) = delete;
};

Point PointOf(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  return {at.x(), at.y()};
}

// A button whose left mouse button goes to the form as press, moves and release. Qt's own
// handling runs first, so the button is drawn up again before a release opens a dialog.
class AdjustButton final : public QToolButton {
 public:
  AdjustButton(int tag, ToolBarEvents events, QWidget* parent)
      : QToolButton(parent), tag_(tag), takes_screen_colour_(tag != AdjustButtonDrag::kSizeButton), events_(std::move(events)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QToolButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // A press while still held means the release went elsewhere (a window that took the
    // pointer): this is a new drag.
    held_ = true;
    if (takes_screen_colour_) cross_.emplace();
    events_.pressed(tag_, PointOf(*event));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    QToolButton::mouseMoveEvent(event);
    if (held_) events_.dragged(tag_, PointOf(*event));
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QToolButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !held_) return;
    held_ = false;
    cross_.reset();  // before the release, which may open the colour dialog
    events_.released(tag_, PointOf(*event));
  }

 private:
  int tag_;
  bool takes_screen_colour_;
  ToolBarEvents events_;
  bool held_ = false;
  std::optional<CrossCursor> cross_;
};

}  // namespace

ToolBarPanel::ToolBarPanel(ToolBarEvents events, QWidget* parent) : QFrame(parent), events_(std::move(events)) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  for (int tag = 1; tag <= TForm1::kToolButtonCount; ++tag) {
    QToolButton* button = nullptr;
    if (AdjustButtonDrag::IsAdjustButton(tag)) {
      button = new AdjustButton(tag, events_, this);
    } else {
      button = new QToolButton(this);
      connect(button, &QToolButton::clicked, this, [this, tag] { events_.clicked(tag); });
    }
    button->setAutoRaise(true);
    button->setFixedSize(TForm1::kToolButtonSide, TForm1::kToolButtonSide);
    button->setFocusPolicy(Qt::NoFocus);
    buttons_.at(static_cast<std::size_t>(tag - 1)) = button;
  }
}

void ToolBarPanel::Show(const std::array<ToolButtonState, TForm1::kToolButtonCount>& buttons) {
  for (const ToolButtonState& state : buttons) {
    if (state.tag < 1 || state.tag > TForm1::kToolButtonCount) continue;
    QToolButton& button = Button(state.tag);
    button.move(state.position.x, state.position.y);
    if (button.icon().isNull()) {  // glyphs never change; made once
      const QPixmap glyph = GlyphPixmap(state.glyph);
      button.setIcon(QIcon(glyph));
      button.setIconSize(glyph.size());
    }
    button.setToolTip(TooltipOf(state.hint));
    button.setCursor(state.drag_cursor ? Qt::DragMoveCursor : Qt::PointingHandCursor);
    button.setEnabled(state.enabled);
    // A toggle stays down while its state is on; a click does not flip it by itself, the form's
    // answer after the command does.
    button.setCheckable(state.down);
    button.setChecked(state.down);
  }
}

}  // namespace plorvane
