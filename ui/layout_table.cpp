#include "ui/layout.hpp"

namespace ui {
namespace {

using enum ControlKind;
using enum Alignment;
using enum Border;

constexpr FontStyle kSans{"MS Sans Serif", 8.25, true, false};
constexpr FontStyle kSansLarge{"MS Sans Serif", 9.75, true, false};
constexpr FontStyle kHeader{"Times New Roman", 11.25, true, true};
constexpr FontStyle kNoFont{};
constexpr Colour kNone{};

constexpr Colour kBlue = Rgb(0x0000FF);
constexpr Colour kBrown = Rgb(0x804000);
constexpr Colour kRose = Rgb(0x804040);
constexpr Colour kInputBack = Rgb(0xC0FFC0);
constexpr Colour kInputText = Rgb(0x008000);
constexpr Colour kResultBack = Rgb(0xFFFFC0);
constexpr Colour kResultText = Rgb(0x800000);
constexpr Colour kLightCyan = Rgb(0xC0FFFF);

}  // namespace

const WindowRecord kWindow = {
    "frmDatos", "CALCULO MANUAL", 8985, 6810, kButtonFace, {"MS Sans Serif", 18, true, false},
};

// Panel by panel, top to bottom; each caption stands directly above the box it labels.
// clang-format off
const std::array<ControlRecord, 43> kControls = {{
  {"lblTit", kNoIndex, Label, 60, 90, 8775, 825, kButtonFace, kBlue, kSansLarge, Centre, Sunken, "ANALISIS DE UN TRAMO DE TUBERIA DE ALCANTARILLADO DE SECCION CIRCULAR MANUALMENTE Y CON PROGRAMACIÓN PARA COMPARACION DE RUTINAS", 27},
  {"Label3", kNoIndex, Label, 165, 975, 4320, 645, kLightCyan, kWindowText, kHeader, Centre, Flat, "DATOS GEOMETRICOS PARA TUBO REDONDO:", 20},
  {"Label1", kNoIndex, Label, 75, 1763, 2715, 255, kButtonFace, kBlue, kSans, Right, None, "Do: Diámetro interior [m] =", 30},
  {"D", 0, TextBox, 2820, 1740, 1035, 300, kInputBack, kInputText, kSans, Left, Sunken, "0.20", 0},
  {"Label2", 0, Label, 75, 2100, 2715, 255, kButtonFace, kBlue, kSans, Right, None, "Ángulo interno de llenado [\u00BA] =", 18},
  {"D", 1, TextBox, 2820, 2077, 1035, 300, kInputBack, kInputText, kSans, Left, Sunken, "120", 1},
  {"Label2", 1, Label, 90, 2438, 2715, 255, kButtonFace, kBlue, kSans, Right, None, "K:  Coef. de utilización [%] =", 19},
  {"R", 13, TextBox, 2820, 2415, 1035, 300, kResultBack, Rgb(0x400040), kSans, Left, Sunken, "", 13},
  {"Picture1", kNoIndex, Picture, 1635, 2745, 1545, 1545, kButtonFace, kNone, kNoFont, Left, None, ":/images/picture1.png", 41},
  {"Label7", kNoIndex, Label, 345, 3315, 1110, 255, kButtonFace, kBlue, kSansLarge, Right, None, "TARVINO", 42},
  {"Label4", kNoIndex, Label, 4605, 975, 4200, 645, kResultBack, kWindowText, kHeader, Centre, Flat, "RESULTADOS:", 21},
  {"Label2", 7, Label, 4545, 1785, 2895, 255, kButtonFace, kBrown, kSans, Right, None, "Ángulo interno de llenado [rad] =", 22},
  {"R", 0, ReadOnlyTextBox, 7575, 1710, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "2.5744", 4},
  {"Label2", 8, Label, 4545, 2145, 2895, 255, kButtonFace, kBrown, kSans, Right, None, "A:  Area=", 23},
  {"R", 1, ReadOnlyTextBox, 7575, 2070, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0102", 5},
  {"Label2", 9, Label, 4545, 2505, 2895, 255, kButtonFace, kRose, kSans, Right, None, "P:  Perímetro mojado =", 24},
  {"R", 2, ReadOnlyTextBox, 7575, 2445, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.2574", 6},
  {"Label2", 10, Label, 4545, 2865, 2895, 255, kButtonFace, kRose, kSans, Right, None, "R:  Radio Hidráulico=", 25},
  {"R", 3, ReadOnlyTextBox, 7575, 2805, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0396", 7},
  {"Label2", 11, Label, 4545, 3225, 2895, 255, kButtonFace, kRose, kSans, Right, None, "T:  Ancho libre=", 26},
  {"R", 4, ReadOnlyTextBox, 7575, 3180, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.1920", 8},
  {"Label2", 12, Label, 4545, 3585, 2895, 255, kButtonFace, kRose, kSans, Right, None, "D: Profundidad hidráulica=", 33},
  {"R", 5, ReadOnlyTextBox, 7575, 3540, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0530", 9},
  {"Label2", 4, Label, 4575, 3930, 2895, 255, kButtonFace, kRose, kSans, Right, None, "Y: Altura de agua=", 31},
  {"R", 7, ReadOnlyTextBox, 7605, 3885, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0720", 11},
  {"Label6", kNoIndex, Label, 165, 4350, 4320, 645, kLightCyan, kWindowText, kHeader, Centre, Flat, "Fórmula de Manning partiendo de los datos geométricos para tubo redondo que se dan ", 35},
  {"Label2", 3, Label, -45, 5265, 3420, 255, kButtonFace, kBlue, kSans, Right, None, "n: Coef. de rugosidad de manning [-]=", 29},
  {"D", 3, TextBox, 3405, 5235, 1215, 300, kInputBack, kInputText, kSans, Left, Sunken, "0.009", 2},
  {"Label2", 13, Label, 480, 5670, 2895, 255, kButtonFace, kRose, kSans, Right, None, "R:  Radio Hidráulico=", 36},
  {"R", 8, ReadOnlyTextBox, 3405, 5640, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0396", 16},
  {"Label2", 2, Label, -45, 6075, 3420, 255, kButtonFace, kBlue, kSans, Right, None, "S:  Pendiente [%]=", 28},
  {"D", 4, TextBox, 3405, 6045, 1215, 300, kInputBack, kInputText, kSans, Left, Sunken, "1.00", 3},
  {"Label2", 14, Label, 480, 6480, 2895, 255, kButtonFace, kBrown, kSans, Right, None, "A:  Area=", 37},
  {"R", 9, ReadOnlyTextBox, 3405, 6450, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0102", 17},
  {"Label5", kNoIndex, Label, 4605, 4350, 4200, 645, kResultBack, kWindowText, kHeader, Centre, Flat, "RESULTADOS:", 34},
  {"Label2", 15, Label, 5445, 5415, 2040, 255, kButtonFace, kRose, kSans, Right, None, "V:  Velocidad [m/s] =", 38},
  {"R", 10, ReadOnlyTextBox, 7620, 5370, 1215, 300, kResultBack, Rgb(0xFF0000), kSans, Left, Sunken, "1.2901", 12},
  {"Label2", 16, Label, 5445, 5790, 2040, 255, kButtonFace, kRose, kSans, Right, None, "Q:  Caudal [m3/s] =", 39},
  {"R", 11, ReadOnlyTextBox, 7620, 5745, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "0.0131", 14},
  {"Label2", 17, Label, 5445, 6150, 2040, 255, kButtonFace, kRose, kSans, Right, None, "F:  Número de Froude=", 40},
  {"R", 12, ReadOnlyTextBox, 7620, 6105, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "1.7869", 15},
  {"Label2", 5, Label, 3405, 7080, 2895, 255, kButtonFace, kRose, kSans, Right, None, "Z:  Factor de sección=", 32},
  {"R", 6, ReadOnlyTextBox, 6435, 7035, 1215, 300, kResultBack, kResultText, kSans, Left, Sunken, "", 10},
}};
// clang-format on

}  // namespace ui
