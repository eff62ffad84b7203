#include "print_preview_window.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <utility>

#include "page_layout.h"
#include "platform/qt/qt_dialogs.h"
#include "support/messages.h"
#include "support/translate.h"

namespace plorvane {
namespace {

QString Translated(std::string_view text) { return QString::fromStdString(Translate(text)); }

// A window of the page's shape that takes most of the screen's height, or of its width for a
// page across.
QSize InitialSize(QPageLayout::Orientation orientation) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screen_size = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
  const int height = screen_size.height() * 85 / 100;
  if (orientation == QPageLayout::Portrait) return {height * 4 / 5, height};
  const int width = std::min(height * 5 / 4, screen_size.width() * 9 / 10);
  return {width, std::min(height, width * 4 / 5 + 60)};
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(QImage card, const std::string& title)
    : card_(std::move(card)), preview_printer_(QPrinter::HighResolution), preview_(new QPrintPreviewWidget(&preview_printer_, this)) {
  const QString name = QString::fromStdString(title);
  const QString caption = Translated("Print Preview");
  setWindowTitle(name.isEmpty() ? caption : name + " - " + caption);
  preview_printer_.setDocName(name);
  // A wide card prints larger across the page.
  preview_printer_.setPageOrientation(card_.width() > card_.height() ? QPageLayout::Landscape : QPageLayout::Portrait);

  preview_->setZoomMode(QPrintPreviewWidget::FitInView);
  connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { PaintCard(*printer); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* print = buttons->addButton(Translated("&Print..."), QDialogButtonBox::AcceptRole);
  buttons->addButton(Translated("&Close"), QDialogButtonBox::RejectRole);
  print->setDefault(true);
  print->setFocus();
  connect(buttons, &QDialogButtonBox::accepted, this, &PrintPreviewWindow::Print);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &PrintPreviewWindow::Print);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview_, 1);
  layout->addWidget(buttons);
  resize(InitialSize(preview_printer_.pageLayout().orientation()));
}

void PrintPreviewWindow::Print() {
  // The job's printer starts from the preview's page; a cancelled dialog leaves the preview as
  // it was.
  QPrinter job(QPrinter::HighResolution);
  job.setDocName(preview_printer_.docName());
  job.setPageLayout(preview_printer_.pageLayout());
  QPrintDialog dialog(&job, this);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PaintCard(job)) {
    QtDialogs().ErrorBox(Translate("Error"), Translate(msg::kTaskFailed));
    return;
  }
  accept();
}

bool PrintPreviewWindow::PaintCard(QPrinter& printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter's origin is the top-left of the printable area.
  const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
  const Rect place = PlaceOnPage(card_.width(), card_.height(), area.width(), area.height(), printer.resolution());
  const QRect target(place.left, place.top, place.width(), place.height());
  // Enlarged pixels stay sharp squares; a reduced card is averaged rather than thinned out.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < card_.width());
  // Where the printing system does not make the copies, each is a page of its own.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0 && !printer.newPage()) return false;
    painter.drawImage(target, card_);
  }
  return painter.end();
}

}  // namespace plorvane
