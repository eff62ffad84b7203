#include "tool_glyphs_art.h"

#include "drawing.h"
#include "editor/resources/tool_glyphs.h"

namespace plorvane::art {

namespace {

constexpr Colour kInk = Rgb(48, 52, 64);
constexpr Colour kPaper = Rgb(250, 250, 240);
constexpr Colour kBlue = Rgb(40, 100, 200);
constexpr Colour kRed = Rgb(210, 50, 50);
constexpr Colour kGreen = Rgb(40, 160, 70);
constexpr Colour kYellow = Rgb(240, 190, 50);
constexpr Colour kGrey = Rgb(140, 144, 150);
constexpr Colour kRose = Rgb(220, 70, 130);

void Box(Bitmap& b, int left, int top, int right, int bottom, Colour fill, Colour edge = kInk) {
  FillRect(b, Rect{left, top, right, bottom}, fill);
  FrameRect(b, Rect{left, top, right, bottom}, edge);
}

void Page(Bitmap& b) {
  const Point outline[] = {{4, 2}, {12, 2}, {16, 6}, {16, 18}, {4, 18}};
  Polygon(b, outline, kInk);
  const Point inside[] = {{5, 3}, {12, 3}, {15, 6}, {15, 17}, {5, 17}};
  Polygon(b, inside, kPaper);
  Line(b, {12, 2}, {12, 6}, kInk);
  Line(b, {12, 6}, {16, 6}, kInk);
}

void Arrow(Bitmap& b, Point tip, int dx, int dy, Colour colour) {
  // A filled head pointing along (dx, dy), one of the four axis directions.
  const Point corners[] = {tip, {tip.x - 4 * dx + 4 * dy, tip.y - 4 * dy + 4 * dx},
                           {tip.x - 4 * dx - 4 * dy, tip.y - 4 * dy - 4 * dx}};
  Polygon(b, corners, colour);
}

void Speaker(Bitmap& b) {
  Box(b, 2, 7, 6, 13, kGrey);
  const Point cone[] = {{6, 7}, {11, 3}, {11, 17}, {6, 13}};
  Polygon(b, cone, kInk);
}

void Frames(Bitmap& b, Colour outer) {
  Box(b, 1, 1, 19, 19, outer);
  Box(b, 5, 5, 15, 15, kPaper);
}

void Drops(Bitmap& b, Colour colour) {
  Disc(b, 14, 14, 4, colour);
  const Point tip[] = {{10, 13}, {18, 13}, {14, 6}};
  Polygon(b, tip, colour);
}

}  // namespace

Bitmap DrawToolGlyph(int tag) {
  Bitmap b;
  if (tag < 1 || tag > kToolGlyphCount || !b.Resize(kToolGlyphSide, kToolGlyphSide, kWhite)) return {};
  switch (tag) {
    case 1:  // New
      Page(b);
      Star(b, 15, 14, 4.5, kYellow);
      break;
    case 2: {  // Open
      Box(b, 1, 5, 17, 17, kYellow);
      Box(b, 1, 3, 8, 6, kYellow);
      const Point lid[] = {{4, 9}, {19, 9}, {16, 17}, {1, 17}};
      Polygon(b, lid, Rgb(250, 215, 110));
      break;
    }
    case 3:  // Save As
      Box(b, 2, 2, 18, 18, kBlue);
      Box(b, 5, 2, 15, 8, kPaper);
      Box(b, 5, 11, 15, 18, Rgb(200, 215, 240));
      FillRect(b, Rect{12, 3, 14, 7}, kInk);
      break;
    case 4:  // Print
      Box(b, 5, 1, 15, 8, kPaper);
      Box(b, 1, 7, 19, 15, kGrey);
      Box(b, 5, 12, 15, 19, kPaper);
      FillRect(b, Rect{15, 9, 17, 11}, kGreen);
      break;
    case 5:  // Undo
      Ring(b, 11, 11, 4.5, 7.5, kBlue, 250, 170);
      Arrow(b, Point{3, 14}, 0, 1, kBlue);
      break;
    case 6:  // Center
      FrameRect(b, Rect{1, 1, 19, 19}, kGrey);
      Box(b, 6, 6, 14, 14, kBlue);
      Line(b, {10, 1}, {10, 5}, kInk);
      Line(b, {10, 15}, {10, 19}, kInk);
      Line(b, {1, 10}, {5, 10}, kInk);
      Line(b, {15, 10}, {19, 10}, kInk);
      break;
    case 7: {  // Picture
      Box(b, 1, 3, 19, 17, Rgb(170, 210, 245));
      const Point hill[] = {{2, 16}, {8, 8}, {13, 13}, {15, 11}, {18, 16}};
      Polygon(b, hill, kGreen);
      Disc(b, 14, 7, 2, kYellow);
      break;
    }
    case 8:  // Animation
      Box(b, 1, 3, 19, 17, kInk);
      for (int x = 3; x < 18; x += 4) {
        FillRect(b, Rect{x, 4, x + 2, 6}, kPaper);
        FillRect(b, Rect{x, 14, x + 2, 16}, kPaper);
      }
      Heart(b, 10, 10, 8, kRose);
      break;
    case 9:  // Pause
      Box(b, 4, 3, 8, 17, kBlue);
      Box(b, 12, 3, 16, 17, kBlue);
      break;
    case 10:  // Lock
      Ring(b, 10, 8, 3, 5, kGrey, 0, 180);
      FillRect(b, Rect{5, 8, 7, 10}, kGrey);
      FillRect(b, Rect{13, 8, 15, 10}, kGrey);
      Box(b, 3, 9, 17, 18, kYellow);
      FillRect(b, Rect{9, 12, 11, 16}, kInk);
      break;
    case 11: {  // Cursor
      const Point pointer[] = {{5, 1}, {5, 16}, {9, 12}, {12, 18}, {14, 17}, {11, 11}, {16, 11}};
      Polygon(b, pointer, kInk);
      const Point face[] = {{6, 4}, {6, 13}, {9, 10}, {12, 16}, {12, 15}, {10, 10}, {13, 10}};
      Polygon(b, face, kPaper);
      break;
    }
    case 12:  // Sound
      Disc(b, 6, 15, 3, kBlue);
      Disc(b, 15, 13, 3, kBlue);
      FillRect(b, Rect{8, 3, 10, 15}, kBlue);
      FillRect(b, Rect{17, 2, 19, 13}, kBlue);
      Line(b, {9, 3}, {18, 2}, kBlue, 3);
      break;
    case 13:  // Stop
      Box(b, 4, 4, 16, 16, kRed);
      break;
    case 14: {  // Play
      const Point play[] = {{5, 3}, {17, 10}, {5, 17}};
      Polygon(b, play, kGreen);
      break;
    }
    case 15:  // Volume Control
      Speaker(b);
      Ring(b, 11, 10, 4, 5, kInk, 300, 60);
      Ring(b, 11, 10, 7, 8, kInk, 300, 60);
      break;
    case 16:  // Frame size
      Frames(b, Rgb(180, 120, 60));
      Arrow(b, Point{10, 6}, 0, -1, kInk);
      Arrow(b, Point{10, 14}, 0, 1, kInk);
      break;
    case 17:  // Frame colour
      Frames(b, kBlue);
      Drops(b, kRed);
      break;
    case 18:  // Link
      Ring(b, 7, 12, 2, 4.5, kBlue);
      Ring(b, 13, 8, 2, 4.5, kBlue);
      Line(b, {8, 11}, {12, 9}, kBlue, 2);
      break;
    case 19:  // Menu and link colour
      Line(b, {2, 6}, {12, 6}, kBlue, 2);
      Line(b, {2, 10}, {9, 10}, kBlue, 2);
      Drops(b, kGreen);
      break;
    case 20:  // Information
      Disc(b, 10, 10, 9, kBlue);
      Disc(b, 10, 5, 1.6, kWhite);
      FillRect(b, Rect{9, 8, 12, 16}, kWhite);
      break;
    case 21:  // Help
      Disc(b, 10, 10, 9, kGreen);
      Ring(b, 10, 7, 2, 4, kWhite, 330, 200);
      FillRect(b, Rect{9, 9, 12, 13}, kWhite);
      FillRect(b, Rect{9, 14, 12, 16}, kWhite);
      break;
    default:
      break;
  }
  // The bottom-left pixel names the transparent colour; every glyph keeps it white.
  b.SetPixel(0, kToolGlyphSide - 1, kWhite);
  return b;
}

Bitmap DrawToolWindowGlyph(ToolWindowGlyph glyph) {
  Bitmap b;
  if (!b.Resize(kToolGlyphSide, kToolGlyphSide, kWhite)) return {};
  switch (glyph) {
    case ToolWindowGlyph::kInsert: {  // a picture going down onto the card
      Box(b, 1, 11, 19, 19, Rgb(170, 210, 245));
      FillRect(b, Rect{8, 1, 12, 8}, kGreen);
      Arrow(b, Point{10, 13}, 0, 1, kGreen);
      break;
    }
    case ToolWindowGlyph::kColour:
      Box(b, 1, 1, 10, 10, kRed);
      Box(b, 10, 1, 19, 10, kYellow);
      Box(b, 1, 10, 10, 19, kBlue);
      Box(b, 10, 10, 19, 19, kGreen);
      break;
    case ToolWindowGlyph::kFont: {  // a capital A
      const Point a[] = {{2, 18}, {8, 2}, {12, 2}, {18, 18}, {14, 18}, {13, 14}, {7, 14}, {6, 18}};
      Polygon(b, a, kInk);
      const Point hole[] = {{8, 11}, {10, 5}, {12, 11}};
      Polygon(b, hole, kWhite);
      break;
    }
    case ToolWindowGlyph::kCopyAsImage: {
      Box(b, 1, 1, 13, 13, kPaper);
      Box(b, 7, 7, 19, 19, Rgb(170, 210, 245));
      const Point hill[] = {{8, 18}, {12, 12}, {15, 15}, {18, 18}};
      Polygon(b, hill, kGreen);
      break;
    }
    case ToolWindowGlyph::kDragWindow:
      Box(b, 3, 3, 17, 17, kPaper);
      FillRect(b, Rect{4, 4, 16, 7}, kBlue);
      Arrow(b, Point{10, 0}, 0, -1, kInk);
      Arrow(b, Point{10, 19}, 0, 1, kInk);
      Arrow(b, Point{0, 10}, -1, 0, kInk);
      Arrow(b, Point{19, 10}, 1, 0, kInk);
      break;
    case ToolWindowGlyph::kStop:
      Box(b, 4, 4, 16, 16, kRed);
      break;
    case ToolWindowGlyph::kDuplicate:
      Box(b, 1, 1, 12, 12, kRose);
      Box(b, 8, 8, 19, 19, kRose);
      break;
    case ToolWindowGlyph::kBringToTop:
      Box(b, 1, 8, 12, 19, kGrey);
      Box(b, 8, 4, 19, 15, kBlue);
      Arrow(b, Point{5, 0}, 0, -1, kInk);
      FillRect(b, Rect{4, 3, 6, 7}, kInk);
      break;
    case ToolWindowGlyph::kSendToBottom:
      Box(b, 8, 4, 19, 15, kBlue);
      Box(b, 1, 8, 12, 19, kGrey);
      Arrow(b, Point{15, 19}, 0, 1, kInk);
      FillRect(b, Rect{14, 15, 16, 17}, kInk);
      break;
    case ToolWindowGlyph::kCopy:
      Page(b);
      Box(b, 1, 8, 9, 19, kPaper);
      break;
    case ToolWindowGlyph::kPaste:
      Box(b, 2, 3, 14, 19, Rgb(190, 140, 80));
      Box(b, 5, 1, 11, 5, kGrey);
      Box(b, 8, 8, 18, 19, kPaper);
      break;
  }
  b.SetPixel(0, kToolGlyphSide - 1, kWhite);
  return b;
}

}  // namespace plorvane::art
