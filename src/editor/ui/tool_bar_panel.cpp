#include "editor/ui/tool_bar_panel.h"

#include <QIcon>

#include "texttools/ui/tool_window_frame.h"

namespace plorvane {

ToolBarPanel::ToolBarPanel(std::function<void(int)> on_click, QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  for (int tag = 1; tag <= TForm1::kToolButtonCount; ++tag) {
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFixedSize(TForm1::kToolButtonSide, TForm1::kToolButtonSide);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [on_click, tag] { on_click(tag); });
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
