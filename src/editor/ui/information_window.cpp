#include "editor/ui/information_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace plorvane {

InformationWindow::InformationWindow(const QString& caption, const QString& rich_text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      text_(new QTextEdit(this)) {
  setWindowTitle(caption);
  setFixedSize(kClientWidth, kClientHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  text_->setReadOnly(true);
  text_->setAcceptRichText(true);
  text_->setLineWrapMode(QTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The summary is printed on white whatever the desktop's colours, as its colours assume.
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Base, Qt::white);
  text_->setPalette(palette);
  text_->setHtml(rich_text);
  text_->moveCursor(QTextCursor::Start);
}

void InformationWindow::ShowModal(const QString& caption, const QString& rich_text, QWidget* parent) {
  InformationWindow window(caption, rich_text, parent);
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(screen->geometry().center());
    window.move(frame.topLeft());
  }
  window.exec();
}

}  // namespace plorvane
