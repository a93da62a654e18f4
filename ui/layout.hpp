#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ui {

enum class ControlKind { Label, TextBox, ReadOnlyTextBox, Picture };

enum class SystemColour { None, ButtonFace, WindowText };

// A 24-bit #RRGGBB colour, or a system colour by its role.
struct Colour {
  SystemColour role = SystemColour::None;
  std::uint32_t rgb = 0;
};

constexpr Colour Rgb(std::uint32_t rgb) {
  return {SystemColour::None, rgb};
}
inline constexpr Colour kButtonFace{SystemColour::ButtonFace, 0};
inline constexpr Colour kWindowText{SystemColour::WindowText, 0};

struct FontStyle {
  std::string_view face;  // empty for a control that shows no text
  double points = 0;
  bool bold = false;
  bool italic = false;
};

enum class Alignment { Left, Right, Centre };

// Sunken is the platform's 3D edge; Flat is a single one-pixel black line.
enum class Border { None, Sunken, Flat };

inline constexpr int kNoIndex = -1;

// One control of the window. Places and sizes are in twips from the client area's top-left.
struct ControlRecord {
  std::string_view name;
  int index;  // member of a control array, or kNoIndex
  ControlKind kind;
  int left, top, width, height;
  Colour background, textColour;
  FontStyle font;
  Alignment alignment;
  Border border;
  std::string_view text;  // caption, initial text, or the image resource of a picture
  int tabIndex;
};

struct WindowRecord {
  std::string_view name;
  std::string_view title;
  int clientWidth, clientHeight;  // twips
  Colour background;
  FontStyle font;
};

inline constexpr std::string_view kInputArray = "D";
inline constexpr std::string_view kResultArray = "R";

extern const WindowRecord kWindow;
extern const std::array<ControlRecord, 43> kControls;

}  // namespace ui
