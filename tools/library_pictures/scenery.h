#pragma once
// Pieces of scenery several library pictures share, all drawn with the soft painter.

#include <span>

#include "soft_paint.h"

namespace plorvane::art {

inline constexpr int kPictureWidth = 480;
inline constexpr int kPictureHeight = 360;

// An opaque picture of the library's size, shaded top to bottom through `sky`.
Layer NewPicture(std::span<const Colour> sky);

// A puffy cloud about `width` wide whose flat bottom sits at `at`.
void Cloud(Layer& layer, Vec at, double width, double opacity = 0.95);
// A four-pointed twinkle with a halo.
void Sparkle(Layer& layer, Vec at, double size, Colour colour);
// Out-of-focus discs of light scattered over `area`.
void Bokeh(Layer& layer, const Box& area, int count, std::span<const Colour> colours, double radius, unsigned seed);
// Paper confetti: small turned strips and dots.
void Confetti(Layer& layer, const Box& area, int count, std::span<const Colour> colours, unsigned seed);
void Snowfall(Layer& layer, const Box& area, int count, unsigned seed);
// Rolling ground from `top` down to the bottom edge, its crest waving by `amplitude`.
void Hills(Layer& layer, double top, double amplitude, double phase, const Shader& shader);
// A string of pennants sagging between the two top corners.
void Bunting(Layer& layer, double top, double sag, std::span<const Colour> colours);
// Darkens the corners a little, drawing the eye to the middle.
void Vignette(Layer& layer, double strength);
void Balloon(Layer& layer, Vec centre, double radius, Colour colour, Vec string_end);
// A round flower with `petals` petals of `radius` around a middle.
void Flower(Layer& layer, Vec centre, double radius, int petals, Colour petal, Colour middle, double degrees = 0);
void FirTree(Layer& layer, Vec base, double height, Colour colour, bool snowy);
// A crescent moon facing left, `radius` across its outer edge.
void Crescent(Layer& layer, Vec centre, double radius, Colour colour);
void Starfield(Layer& layer, const Box& area, int count, unsigned seed);

}  // namespace plorvane::art
