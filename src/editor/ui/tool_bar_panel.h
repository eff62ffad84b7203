#pragma once
// The strip's tool bar: a raised panel with the 21 flat buttons where the form places them. It
// shows what TForm1::ToolButtons() answers and hands the user's mouse back by tag; it decides
// nothing.

#include <QFrame>
#include <QToolButton>
#include <array>
#include <functional>

#include "editor/main_form.h"

namespace plorvane {

// What the panel reports. The adjust buttons (frame size, frame colour, link colour) report the
// left button's press, its moves while held and its release, in the button's own coordinates,
// and never a click: the form tells a click from a drag. The others report clicks.
struct ToolBarEvents {
  std::function<void(int tag)> clicked;
  std::function<void(int tag, Point at)> pressed;
  std::function<void(int tag, Point at)> dragged;
  std::function<void(int tag, Point at)> released;
};

class ToolBarPanel final : public QFrame {
 public:
  ToolBarPanel(ToolBarEvents events, QWidget* parent);

  // Positions, glyphs, hints, cursors, enabled and down states as the form answers them now.
  void Show(const std::array<ToolButtonState, TForm1::kToolButtonCount>& buttons);

  [[nodiscard]] QToolButton& Button(int tag) { return *buttons_.at(static_cast<std::size_t>(tag - 1)); }

 private:
  ToolBarEvents events_;
  std::array<QToolButton*, TForm1::kToolButtonCount> buttons_{};  // children of the panel
};

}  // namespace plorvane
