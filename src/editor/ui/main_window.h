#pragma once
// The editor's strip on the screen: a window with the menu bar and the tool bar, nothing below
// them. It shows what TForm1 answers (caption, menus, buttons), forwards clicks and the adjust
// buttons' drags, ticks the form's 500 ms timer and turns the user's close request into the
// form's close flow; it never closes itself.
//
//   MainWindow window;
//   TForm1 form(platform, window, carriers, start);
//   window.Attach(form);
//   if (!form.FormCreate()) return 1;

#include <QTimer>
#include <QWidget>
#include <memory>

#include "editor/main_form.h"

class QMenuBar;

namespace plorvane {

class QtMenuBar;
class ToolBarPanel;

class MainWindow final : public QWidget, public MainWindowView {
 public:
  static constexpr int kTimerInterval = 500;  // ms

  MainWindow();
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The form this window shows; before FormCreate, after the form is made.
  void Attach(TForm1& form);

  void Refresh() override;
  void SetVisible(bool visible) override;
  [[nodiscard]] bool IsVisible() const override { return isVisible(); }
  void SetStayOnTop(bool on_top) override;
  void Place(Point top_left, int width) override;
  void ShowInformation(const std::string& caption, const std::string& rich_text) override;
  [[nodiscard]] ToolWindows* tool_windows() override { return tool_windows_; }
  // The tool windows that go with the strip; before the form is made.
  void SetToolWindows(ToolWindows* windows) { tool_windows_ = windows; }

  [[nodiscard]] QMenuBar& MenuBar() { return *menu_bar_; }
  [[nodiscard]] ToolBarPanel& ToolBar() { return *tool_bar_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The menu bar is built from the form's menu tree the first time the window shows: by then
  // start-up has built and translated it.
  void BuildMenuBar();
  // Menu bar plus tool bar, for the menu bar's height at the current width.
  void FitHeight();
  void ToolButtonClicked(int tag);
  void AdjustButtonReleased(int tag, Point at);

  TForm1* form_ = nullptr;
  ToolWindows* tool_windows_ = nullptr;
  QMenuBar* menu_bar_;  // children of the window
  ToolBarPanel* tool_bar_;
  std::unique_ptr<QtMenuBar> menus_;
  QTimer timer_;
  Point place_{0, 0};
  int outer_width_ = TForm1::kStripWidth;
};

}  // namespace plorvane
