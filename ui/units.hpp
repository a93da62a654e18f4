#pragma once

#include <cmath>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel (halves away from zero). Only three places of
// the layout fall between pixels: 1763 -> 118, 2077 -> 138 and 2438 -> 163.
constexpr int TwipsToPixels(int twips) {
  const int twice = 2 * twips / kTwipsPerPixel;  // truncates toward zero
  return twice / 2 + twice % 2;
}

// Font sizes become pixel sizes at the layout's own 96 dots per inch, so that text keeps its
// size relative to the controls whatever the screen's logical DPI; Qt's high-DPI scaling then
// scales both together.
inline int PointsToPixels(double points) {
  return static_cast<int>(std::lround(points * 96 / 72));
}

}  // namespace ui
