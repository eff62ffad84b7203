#include "editor/ui/qt_tool_windows.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace plorvane {
namespace {

// The element window stands out from the desktop's windows in a lighter shade of their colour:
// each channel scaled by 300/255.
void Lighten(QWidget& window) {
  const auto scaled = [](int channel) { return std::min(255, static_cast<int>(std::lround(300.0 * channel / 255.0))); };
  QPalette colours = window.palette();
  const QColor face = colours.color(QPalette::Window);
  colours.setColor(QPalette::Window, QColor(scaled(face.red()), scaled(face.green()), scaled(face.blue())));
  window.setPalette(colours);
}

void ShowNormal(QWidget& window) {
  window.showNormal();
  window.raise();
  window.activateWindow();
}

}  // namespace

QtToolWindows::QtToolWindows(Platform& platform, TZarvickClipboard& clipboard)
    : element_(platform, clipboard), text_(platform), symbol_(platform) {
  Lighten(element_.Form());
}

void QtToolWindows::Wire(ToolWindowEvents* events) {
  if (events == nullptr) {
    element_.OnFpsMenu = nullptr;
    element_.OnHelp = nullptr;
    text_.OnInsert = text_.OnHelp = text_.OnSync = nullptr;
    symbol_.OnInsert = symbol_.OnHelp = nullptr;
    return;
  }
  element_.OnFpsMenu = [events] { events->OnFpsMenu(); };
  element_.OnHelp = [events] { events->OnHelp(ToolWindow::kAnimationElement); };
  text_.OnInsert = [events](TTextInsertWindow&) { events->OnInsert(ToolWindow::kTextInsert); };
  text_.OnHelp = [events](TTextInsertWindow&) { events->OnHelp(ToolWindow::kTextInsert); };
  text_.OnSync = [events](TTextInsertWindow&) { events->OnSync(); };
  symbol_.OnInsert = [events] { events->OnInsert(ToolWindow::kInsertSymbol); };
  symbol_.OnHelp = [events] { events->OnHelp(ToolWindow::kInsertSymbol); };
  element_.Attach();
}

void QtToolWindows::Show(ToolWindow window) {
  switch (window) {
    case ToolWindow::kAnimationElement:
      element_.Show();
      break;
    case ToolWindow::kTextInsert:
      ShowNormal(text_);
      break;
    case ToolWindow::kInsertSymbol:
      ShowNormal(symbol_);
      break;
  }
}

void QtToolWindows::SetInsertEnabled(bool enabled) {
  text_.SetInsertEnabled(enabled);
  symbol_.SetInsertEnabled(enabled);
}

void QtToolWindows::SetBusy(bool busy) {
  text_.SetBusy(busy);
  symbol_.SetBusy(busy);
}

const Bitmap& QtToolWindows::InsertPicture(ToolWindow sender) {
  switch (sender) {
    case ToolWindow::kTextInsert:
      return text_.TextAsImage();
    case ToolWindow::kInsertSymbol:
      return symbol_.GlyphImage(TInsertSymbolWindow::kGlyphMargin);
    case ToolWindow::kAnimationElement:
      break;
  }
  return no_picture_;
}

void QtToolWindows::ReleaseInsertPicture(ToolWindow sender) {
  if (sender == ToolWindow::kTextInsert) text_.ReleaseImage();
}

void QtToolWindows::LoadSettings() {
  symbol_.LoadSettings();
  text_.LoadSettings();
  element_.LoadSettings();
}

void QtToolWindows::SaveSettings() {
  symbol_.SaveSettings();
  text_.SaveSettings();
  element_.SaveSettings();
}

}  // namespace plorvane
