#pragma once
// The Information window: the card's summary in a read-only rich-text box that fills a small
// fixed window with only a close box. Made each time it is shown and gone when closed.

#include <QDialog>
#include <QString>

class QTextEdit;

namespace plorvane {

class InformationWindow final : public QDialog {
 public:
  static constexpr int kClientWidth = 300;
  static constexpr int kClientHeight = 390;

  InformationWindow(const QString& caption, const QString& rich_text, QWidget* parent = nullptr);

  [[nodiscard]] const QTextEdit& TextBox() const { return *text_; }

  // Centred on the screen, modal; returns when the user closes it.
  static void ShowModal(const QString& caption, const QString& rich_text, QWidget* parent);

 private:
  QTextEdit* text_;  // child of the window
};

}  // namespace plorvane
