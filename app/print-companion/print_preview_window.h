#pragma once
// The companion's window: the page as it will print, and the buttons to print it through the
// desktop's print dialog (a printer, or a PDF file) or to close.

#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <string>

class QPrintPreviewWidget;

namespace plorvane {

class PrintPreviewWindow final : public QDialog {
 public:
  // `title` names the window and the print job.
  PrintPreviewWindow(QImage card, const std::string& title);

 private:
  // Asks for the printer in the print dialog and prints; the window closes once the job is out.
  void Print();
  // False when the printer cannot take the page (a PDF file that cannot be written).
  bool PaintCard(QPrinter& printer) const;

  QImage card_;
  QPrinter preview_printer_;
  QPrintPreviewWidget* preview_;
};

}  // namespace plorvane
