#pragma once
// TExtProgressBar: a plain progress bar of two panels for the text window's status bar. The
// widget itself is the outer window (borderless, 100 by 18 pixels when made), which its user
// places, shows and hides; inside it a bordered panel in the window colour fills it, and the
// bar, in the highlight colour, grows from that panel's left edge.

#include <QFrame>
#include <QWidget>

namespace plorvane {

class TExtProgressBar final : public QWidget {
 public:
  static constexpr int kInitialWidth = 100;
  static constexpr int kInitialHeight = 18;

  explicit TExtProgressBar(QWidget* parent = nullptr);

  [[nodiscard]] int Position() const { return position_; }
  // Percent, clamped to 0..100. The bar is as wide as that share of the panel's client width.
  void SetPosition(int percent);
  // The inner panel's sunken two-pixel border; off it has a single flat line.
  [[nodiscard]] bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool on);

  [[nodiscard]] const QFrame& Panel() const { return *panel_; }
  [[nodiscard]] const QWidget& Bar() const { return *bar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  // Both are children of this widget, which deletes them.
  QFrame* panel_;
  QWidget* bar_;
  int position_ = 0;
  bool ctl3d_ = false;
};

}  // namespace plorvane
