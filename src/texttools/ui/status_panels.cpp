#include "texttools/ui/status_panels.h"

#include <QPainter>
#include <QStringList>
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
  UpdateToolTip();
  // A longer text may widen its panel and move the ones after it.
  update();
}

void StatusPanels::UpdateToolTip() {
  QStringList texts;
  for (const Panel& panel : panels_) {
    if (!panel.text.isEmpty()) texts << panel.text;
  }
  setToolTip(texts.join('\n'));
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
    // What of the panel the bar shows; a text cut off at the bar's edge ends in an ellipsis.
    const QRect inside = box.adjusted(kPadding, 0, -kPadding, 0).intersected(rect().adjusted(0, 0, -kPadding, 0));
    if (inside.width() <= 0) continue;
    const QString shown = fontMetrics().elidedText(panels_[i].text, Qt::ElideRight, inside.width());
    painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, shown);
  }
}

}  // namespace plorvane
