#pragma once
// The small services on Qt: clipboard, shell, screen and text.

#include <memory>

#include "platform/clipboard.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/text_renderer.h"

class QColor;
class QFont;

namespace plorvane {

class QtClipboard final : public Clipboard {
 public:
  [[nodiscard]] bool HasBitmap() const override;
  [[nodiscard]] bool HasText() const override;
  [[nodiscard]] std::optional<Bitmap> GetBitmap() const override;
  [[nodiscard]] std::optional<std::string> GetText() const override;
  bool SetBitmap(const Bitmap& bitmap) override;
  bool SetText(const std::string& text) override;
};

class QtShell final : public Shell {
 public:
  bool OpenDocument(const std::string& target) override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& working_folder) override;
};

class QtScreen final : public Screen {
 public:
  [[nodiscard]] PixelSize Size() const override;
  [[nodiscard]] Point MousePosition() const override;
  [[nodiscard]] Colour PixelAt(Point screen_point) const override;
};

class QtTextRenderer final : public TextRenderer {
 public:
  // Installs the font substitutes (qt_font_substitutes.h), so every text it draws finds them.
  QtTextRenderer();
  ~QtTextRenderer() override;
  [[nodiscard]] PixelSize Measure(std::string_view text, const Font& font) const override;
  void Draw(Bitmap& target, Point origin, std::string_view text, const Font& font, const Rect& clip) const override;

 private:
  struct Cached;
  // The labels ask with the same font on every animation frame; building a Qt font and its
  // metrics each time costs more than drawing the text.
  const Cached& FontFor(const Font& font) const;

  mutable std::unique_ptr<Cached> cached_;
};

// The Qt font for a core font; an empty name is the default face, "Arial".
QFont QFontOf(const Font& font);
// The core font for a Qt font, in `colour` (Qt fonts have none).
Font FontOf(const QFont& font, Colour colour);
QColor QColorOf(Colour colour);
Colour ColourOf(const QColor& colour);

}  // namespace plorvane
