#pragma once
// TFontView: the characters 32 to 255 of a font in a scrolling list, one large glyph per row
// with its code beside it; a press selects a row. The picture is drawn into a core bitmap with
// the platform's text renderer (texttools/font_view_picture.h) and painted as it is.

#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <string>

#include "graphics/bitmap.h"
#include "platform/font.h"
#include "platform/pixel_size.h"
#include "platform/text_renderer.h"
#include "texttools/symbol_window_settings.h"

namespace plorvane {

class TFontView final : public QWidget {
 public:
  static constexpr int kScrollBarWidth = 32;

  // The renderer must outlive the view.
  TFontView(const TextRenderer& text, QWidget* parent);

  [[nodiscard]] const Font& pFont() const { return font_; }
  // Each redraws and raises OnChange.
  void SetFont(const Font& font);
  void SetFontName(const std::string& name);

  // The code of the first row (the scroll bar's position).
  [[nodiscard]] int pTopIndex() const { return scroll_bar_->value(); }
  void SetTopIndex(int code);
  // The selected code, always within 32..255.
  [[nodiscard]] int pItemIndex() const { return item_index_; }
  void SetItemIndex(int code);

  [[nodiscard]] FontViewSettings Settings() const;
  // Font, first row and selection at once, drawn once.
  void ApplySettings(const FontViewSettings& settings);

  // A row's height and the pixel height of its glyph.
  [[nodiscard]] int CellSize() const;
  [[nodiscard]] std::string SelectedCharacter() const;
  // The selected glyph with `margin` pixels of background around it; the view owns the bitmap,
  // which stays valid until the next call.
  const Bitmap& GlyphImage(int margin);
  [[nodiscard]] PixelSize GlyphImageSize(int margin) const;

  // While set, redrawing does nothing; the owner redraws when it clears it.
  void SetUpdating(bool updating) { updating_ = updating; }
  [[nodiscard]] bool Updating() const { return updating_; }
  void Redraw();
  // What the view shows.
  [[nodiscard]] const Bitmap& Picture() const { return picture_; }
  [[nodiscard]] QScrollBar& ScrollBar() const { return *scroll_bar_; }

  // After every redraw and every change of the font name.
  std::function<void()> OnChange;
  std::function<void()> OnDblClick;
  // A context menu was asked for at this screen point.
  std::function<void(QPoint)> OnContextMenu;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Changed() const;

  const TextRenderer& text_;
  QScrollBar* scroll_bar_;  // owned by the view as its child
  Font font_;
  int item_index_ = kFirstSymbolCode;
  bool updating_ = false;
  Bitmap picture_;
  Bitmap glyph_image_;
};

}  // namespace plorvane
