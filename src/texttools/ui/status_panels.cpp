#include "texttools/ui/status_panels.h"

#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace plorvane {
namespace {

constexpr int kGap = 2;       // between two panels
constexpr int kPadding = 3;   // between a panel's edge and its text
constexpr int kTopMargin = 2; // above the panels

}  // namespace

StatusPanels::StatusPanels(std::initializer_list<int> widths, QWidget* parent) : QWidget(parent) {
  for (const int width : widths) panels_.push_back(Panel{width, {}});
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusPanels::SetText(int panel, const QString& text) {
  if (panel < 0 || panel >= static_cast<int>(panels_.size()) || panels_[panel].text == text) return;
  panels_[panel].text = text;
  // A longer text may widen its panel and move the ones after it.
  update();
}

QString StatusPanels::Text(int panel) const {
  return panel >= 0 && panel < static_cast<int>(panels_.size()) ? panels_[panel].text : QString();
}

QRect StatusPanels::PanelRect(int panel) const {
  if (panel < 0 || panel >= static_cast<int>(panels_.size())) return {};
  int left = 0;
  for (int i = 0; i < panel; ++i) left += PanelWidth(i) + kGap;
  const bool last = panel + 1 == static_cast<int>(panels_.size());
  const int panel_width = last ? std::max(PanelWidth(panel), width() - left) : PanelWidth(panel);
  return QRect(left, kTopMargin, panel_width, height() - kTopMargin);
}

int StatusPanels::PanelWidth(int panel) const {
  const Panel& shown = panels_[static_cast<std::size_t>(panel)];
  return std::max(shown.width, fontMetrics().horizontalAdvance(shown.text) + 2 * kPadding);
}

QSize StatusPanels::sizeHint() const {
  int total = 0;
  for (int i = 0; i < static_cast<int>(panels_.size()); ++i) total += PanelWidth(i) + kGap;
  return QSize(total, fontMetrics().height() + 2 * kPadding + kTopMargin);
}

QSize StatusPanels::minimumSizeHint() const { return QSize(0, sizeHint().height()); }

void StatusPanels::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
    const QRect box = PanelRect(i);
    qDrawShadePanel(&painter, box, palette(), /*sunken=*/true, 1);
    const QRect inside = box.adjusted(kPadding, 0, -kPadding, 0);
    painter.setClipRect(inside);
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, panels_[i].text);
    painter.setClipping(false);
  }
}

}  // namespace plorvane
