#include "editor/ui/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "editor/ui/information_window.h"
#include "editor/ui/tool_bar_panel.h"
#include "platform/qt/qt_menu_bar.h"

namespace plorvane {

MainWindow::MainWindow()
    : menu_bar_(new QMenuBar(this)),
      tool_bar_(new ToolBarPanel(ToolBarEvents{[this](int tag) { ToolButtonClicked(tag); },
                                               [this](int tag, Point at) {
                                                 if (form_ != nullptr) form_->AdjustButtonDown(tag, at);
                                               },
                                               [this](int tag, Point at) {
                                                 if (form_ != nullptr) form_->AdjustButtonMove(tag, at);
                                               },
                                               [this](int tag, Point at) { AdjustButtonReleased(tag, at); }},
                                 this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(tool_bar_);
  // Qt's own sizing would give the panel room to grow; the strip keeps exactly its two rows.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  timer_.setInterval(kTimerInterval);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (form_ != nullptr) form_->Timer1Timer();
  });
}

MainWindow::~MainWindow() = default;

void MainWindow::Attach(TForm1& form) {
  form_ = &form;
  tool_bar_->setFixedHeight(form.ToolBarHeight());
  FitHeight();
  timer_.start();
}

void MainWindow::BuildMenuBar() {
  if (menus_ != nullptr || form_ == nullptr) return;
  menus_ = std::make_unique<QtMenuBar>(*menu_bar_, form_->MainMenu1());
  FitHeight();
}

void MainWindow::FitHeight() {
  const int frame_extra = frameGeometry().width() - geometry().width();
  const int client_width = outer_width_ - frame_extra;
  const int menu_height = menu_bar_->heightForWidth(client_width) > 0 ? menu_bar_->heightForWidth(client_width)
                                                                       : menu_bar_->sizeHint().height();
  menu_bar_->setFixedHeight(menu_height);
  setFixedSize(client_width, menu_height + tool_bar_->height());
}

void MainWindow::Refresh() {
  if (form_ == nullptr) return;
  setWindowTitle(QString::fromStdString(form_->Caption()));
  tool_bar_->Show(form_->ToolButtons());
  if (menus_ != nullptr) menus_->Refresh();
}

void MainWindow::SetVisible(bool visible) {
  if (visible) {
    BuildMenuBar();
    Refresh();
  }
  setVisible(visible);
}

void MainWindow::SetStayOnTop(bool on_top) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on_top) return;
  const bool shown = isVisible();
  // Changing the flags takes the window off the screen; it comes back where it was.
  setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
  if (shown) show();
}

void MainWindow::Place(Point top_left, int width) {
  place_ = top_left;
  outer_width_ = width;
  FitHeight();
  move(top_left.x, top_left.y);
}

void MainWindow::ShowInformation(const std::string& caption, const std::string& rich_text) {
  InformationWindow::ShowModal(QString::fromStdString(caption), QString::fromStdString(rich_text), this);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window manager's frame is known only once the window is up; the outer width and place
  // are what the form asked for.
  FitHeight();
  move(place_.x, place_.y);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (form_ != nullptr) form_->FormCloseQuery();
}

void MainWindow::ToolButtonClicked(int tag) {
  if (form_ == nullptr) return;
  form_->iButtons_OnClick(tag);
  // A toggle the user clicked shows the form's state, not Qt's flip.
  Refresh();
}

void MainWindow::AdjustButtonReleased(int tag, Point at) {
  if (form_ == nullptr) return;
  form_->AdjustButtonUp(tag, at);
  Refresh();
}

}  // namespace plorvane
