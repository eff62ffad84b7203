#pragma once
// A status bar of sunken panels, left to right, each as wide as given or as its text needs if
// that is more (the widths were made for a smaller face than the desktop's); the last one
// reaches to the right edge. Unlike QStatusBar it asks for no width of its own, so a narrow tool
// window cuts its panels off at the right instead of being held wide by them. A text cut off
// ends in an ellipsis, and the bar's tooltip holds every panel's text whole.

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <vector>

namespace plorvane {

class StatusPanels final : public QWidget {
 public:
  StatusPanels(std::initializer_list<int> widths, QWidget* parent);

  // Out-of-range panels are ignored, and answer an empty text.
  void SetText(int panel, const QString& text);
  [[nodiscard]] QString Text(int panel) const;
  // Where the panel lies in the bar.
  [[nodiscard]] QRect PanelRect(int panel) const;

  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Panel {
    int width;
    QString text;
  };
  [[nodiscard]] int PanelWidth(int panel) const;
  void UpdateToolTip();
  std::vector<Panel> panels_;
};

}  // namespace plorvane
