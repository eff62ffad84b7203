#pragma once
// The strip's tool bar: a raised panel with the 21 flat buttons where the form places them. It
// shows what TForm1::ToolButtons() answers and hands clicks back by tag; it decides nothing.

#include <QFrame>
#include <QToolButton>
#include <array>
#include <functional>

#include "editor/main_form.h"

namespace plorvane {

class ToolBarPanel final : public QFrame {
 public:
  // `on_click` gets the tag (1..21) of the button the user clicked.
  ToolBarPanel(std::function<void(int)> on_click, QWidget* parent);

  // Positions, glyphs, hints, cursors, enabled and down states as the form answers them now.
  void Show(const std::array<ToolButtonState, TForm1::kToolButtonCount>& buttons);

  [[nodiscard]] QToolButton& Button(int tag) { return *buttons_.at(static_cast<std::size_t>(tag - 1)); }

 private:
  std::array<QToolButton*, TForm1::kToolButtonCount> buttons_{};  // children of the panel
};

}  // namespace plorvane
