#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "tests/ui/window_fixture.hpp"

namespace ui::testing {
namespace {

struct SpokenBox {
  const char* box;
  const char* name;
};

// In tab order: what a screen reader says for each box.
const SpokenBox kSpokenBoxes[] = {
    {"D(0)", "Do: Diámetro interior [m]"},
    {"D(1)", "Ángulo interno de llenado [\u00BA]"},
    {"D(3)", "n: Coef. de rugosidad de manning [-]"},
    {"D(4)", "S: Pendiente [%]"},
    {"R(0)", "Ángulo interno de llenado [rad]"},
    {"R(1)", "A: Area"},
    {"R(2)", "P: Perímetro mojado"},
    {"R(3)", "R: Radio Hidráulico"},
    {"R(4)", "T: Ancho libre"},
    {"R(5)", "D: Profundidad hidráulica"},
    {"R(6)", "Z: Factor de sección"},
    {"R(7)", "Y: Altura de agua"},
    {"R(10)", "V: Velocidad [m/s]"},
    {"R(13)", "K: Coef. de utilización [%]"},
    {"R(11)", "Q: Caudal [m3/s]"},
    {"R(12)", "F: Número de Froude"},
    {"R(8)", "R: Radio Hidráulico"},
    {"R(9)", "A: Area"},
};

TEST_F(WindowTest, AScreenReaderNamesEveryBoxInTabOrder) {
  for (const auto& [box, name] : kSpokenBoxes) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused->objectName().toStdString(), box);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(focused);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), name);
    EXPECT_EQ(spoken->role(), QAccessible::EditableText) << box;
    const bool result = QString(box).startsWith('R') && QString(box) != "R(13)";
    EXPECT_EQ(spoken->state().readOnly, result) << box;
    EXPECT_TRUE(spoken->state().focusable) << box;
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  QAccessibleInterface* picture =
      QAccessible::queryAccessibleInterface(QApplication::focusWidget());
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Picture1");
  EXPECT_FALSE(picture->text(QAccessible::Name).isEmpty());
}

TEST_F(WindowTest, TitleAndHeadersArePlainText) {
  for (const char* name : {"lblTit", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(window_->Control(name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText) << name;
    EXPECT_FALSE(label->state().focusable) << name;
  }
  QAccessibleInterface* title = QAccessible::queryAccessibleInterface(window_->Control("lblTit"));
  EXPECT_TRUE(title->text(QAccessible::Name).startsWith("ANALISIS DE UN TRAMO"));
}

}  // namespace
}  // namespace ui::testing
