#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <vector>

#include "tests/ui/window_fixture.hpp"

namespace ui::testing {
namespace {

const QStringList kTabOrder = {"D(0)",  "D(1)",  "D(3)", "D(4)", "R(0)",    "R(1)",  "R(2)",
                               "R(3)",  "R(4)",  "R(5)", "R(6)", "R(7)",    "R(10)", "R(13)",
                               "R(11)", "R(12)", "R(8)", "R(9)", "Picture1"};

TEST_F(WindowTest, OpensWithTheResultsOfItsInputs) {
  EXPECT_EQ(window_->windowTitle(), "CALCULO MANUAL");
  EXPECT_EQ(window_->objectName(), "frmDatos");
  EXPECT_EQ(window_->size(), QSize(599, 454));
  EXPECT_EQ(Box("D(0)")->text(), "0.20");
  EXPECT_EQ(Box("D(1)")->text(), "120");
  EXPECT_EQ(Box("D(3)")->text(), "0.009");
  EXPECT_EQ(Box("D(4)")->text(), "1.00");
  EXPECT_EQ(Box("R(0)")->text(), "2.0944");
  EXPECT_EQ(Box("R(1)")->text(), "0.0061");
  EXPECT_EQ(Box("R(12)")->text(), "1.7899");
  EXPECT_EQ(Box("R(13)")->text(), "25");
  EXPECT_EQ(Box("R(6)")->text(), "");
  EXPECT_EQ(Runs(), 0) << "the start-up recalculation happens before the window is shown";
  EXPECT_EQ(QApplication::focusWidget(), Box("D(0)"));
}

TEST_F(WindowTest, TwoControlsLieBelowTheOpeningClientArea) {
  QStringList hidden;
  int controls = 0;
  for (QWidget* control : window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    ++controls;
    if (!window_->rect().intersects(control->geometry())) {
      hidden << control->objectName();
    }
  }
  EXPECT_EQ(controls, 43);
  EXPECT_EQ(hidden, QStringList({"Label2(5)", "R(6)"}));
  EXPECT_EQ(window_->Control("Label2(3)")->x(), -3);

  window_->resize(599, 7335 / 15);
  for (const char* name : {"Label2(5)", "R(6)"}) {
    EXPECT_TRUE(window_->rect().contains(window_->Control(name)->geometry())) << name;
  }
}

// Presses the key on the focused control that many times; returns where the focus was each time.
QStringList FocusWalk(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses) {
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int press = 0; press < presses; ++press) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    visited << QApplication::focusWidget()->objectName();
  }
  return visited;
}

TEST_F(WindowTest, TabVisitsTheBoxesAndThePictureInOrder) {
  const int stops = static_cast<int>(kTabOrder.size());
  EXPECT_EQ(FocusWalk(Qt::Key_Tab, Qt::NoModifier, stops), kTabOrder + QStringList{"D(0)"});

  const QStringList reversed(kTabOrder.rbegin(), kTabOrder.rend());
  EXPECT_EQ(FocusWalk(Qt::Key_Backtab, Qt::ShiftModifier, stops), QStringList{"D(0)"} + reversed);
}

TEST_F(WindowTest, EveryEditOfAnInputIsOneRun) {
  QLineEdit* angle = Box("D(1)");
  angle->setFocus();
  angle->selectAll();
  QTest::keyClick(angle, Qt::Key_Delete);
  EXPECT_EQ(Runs(), 1);
  EXPECT_EQ(Box("R(3)")->text(), "Infinito");
  EXPECT_EQ(Box("R(5)")->text(), "Infinito");
  EXPECT_EQ(Box("R(10)")->text(), "");
  EXPECT_EQ(Box("R(13)")->text(), "25") << "a run without flow keeps K";

  for (const char key : {'1', '5', '0'}) {
    QTest::keyClick(angle, key);
    ExpectResultsOfCore("25");
  }
  EXPECT_EQ(Runs(), 4);
  EXPECT_EQ(Box("R(0)")->text(), "2.6180");

  QTest::keyClick(angle, Qt::Key_Backspace);
  EXPECT_EQ(Runs(), 5);
  ExpectResultsOfCore(Box("R(13)")->text());

  QTest::keyClick(angle, Qt::Key_Z, Qt::ControlModifier);  // undo the deletion
  EXPECT_EQ(angle->text(), "150");
  EXPECT_EQ(Runs(), 6);

  QApplication::clipboard()->setText("120");
  angle->selectAll();
  QTest::keyClick(angle, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(angle->text(), "120");
  EXPECT_EQ(Runs(), 7) << "a paste over a selection is one change";
  EXPECT_EQ(Box("R(0)")->text(), "2.0944");

  angle->selectAll();
  QTest::keyClick(angle, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Runs(), 8);
  EXPECT_EQ(Box("R(0)")->text(), "0.0000");
}

TEST_F(WindowTest, EveryInputBoxRecalculatesEveryResult) {
  const struct {
    const char* box;
    const char* text;
  } edits[] = {{"D(0)", "5"}, {"D(3)", "3"}, {"D(4)", "-"}, {"D(0)", "x"}, {"D(4)", "2"}};
  int expectedRuns = 0;
  for (const auto& edit : edits) {
    const QString prior = Box("R(13)")->text();
    QLineEdit* box = Box(edit.box);
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, edit.text);
    EXPECT_EQ(Runs(), ++expectedRuns) << edit.box;
    ExpectResultsOfCore(prior);
  }
}

TEST_F(WindowTest, BoxesTakeTextsOfAnyLength) {
  const QString longText = "1" + QString(100000, '0');
  QApplication::clipboard()->setText(longText);
  QLineEdit* slope = Box("D(4)");
  slope->selectAll();
  QTest::keyClick(slope, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(slope->text(), longText);
  EXPECT_EQ(Runs(), 1);
  EXPECT_EQ(Box("R(10)")->text(), "") << "a slope beyond the double range computes no flow";
  EXPECT_EQ(Box("R(0)")->text(), "2.0944");
}

TEST_F(WindowTest, TypedAndDeletedDigitGiveTwoRuns) {
  QLineEdit* diameter = Box("D(0)");
  diameter->end(false);
  QTest::keyClick(diameter, '5');
  QTest::keyClick(diameter, Qt::Key_Backspace);
  EXPECT_EQ(Runs(), 2);
  EXPECT_EQ(Box("R(0)")->text(), "2.0944");
  EXPECT_EQ(Box("R(13)")->text(), "25");
}

TEST_F(WindowTest, ResultBoxesRefuseEditsButCopy) {
  QApplication::clipboard()->setText("999");
  for (int index = 0; index <= 12; ++index) {
    QLineEdit* result = Box(BoxName("R", index));
    const QString before = result->text();
    SCOPED_TRACE(result->objectName().toStdString());
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->isEnabled());
    EXPECT_EQ(result->focusPolicy(), Qt::StrongFocus);
    result->setFocus();
    result->end(false);
    QTest::keyClicks(result, "12");
    QTest::keyClick(result, Qt::Key_Backspace);
    QTest::keyClick(result, Qt::Key_Home);
    QTest::keyClick(result, Qt::Key_Delete);
    result->selectAll();
    QTest::keyClick(result, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(result->text(), before);
    if (!before.isEmpty()) {
      result->selectAll();
      QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
      EXPECT_EQ(QApplication::clipboard()->text(), before);
    }
  }
  EXPECT_EQ(Runs(), 0);
}

TEST_F(WindowTest, TypedUtilisationStartsNoRunAndLastsUntilTheNextFlow) {
  QLineEdit* utilisation = Box("R(13)");
  utilisation->setFocus();
  utilisation->selectAll();
  QTest::keyClicks(utilisation, "mine");
  EXPECT_EQ(utilisation->text(), "mine");
  EXPECT_EQ(Runs(), 0);

  QLineEdit* roughness = Box("D(3)");
  roughness->selectAll();
  QTest::keyClick(roughness, '0');
  EXPECT_EQ(Box("R(10)")->text(), "");
  EXPECT_EQ(utilisation->text(), "mine");

  QTest::keyClicks(roughness, ".009");
  EXPECT_EQ(utilisation->text(), "25");
}

TEST_F(WindowTest, ResultsUseTheLocaleSeparator) {
  Open(",");
  EXPECT_EQ(Box("R(1)")->text(), "0,0061");
  EXPECT_EQ(Box("R(5)")->text(), "0,0355");
  QLineEdit* angle = Box("D(1)");
  angle->selectAll();
  QTest::keyClicks(angle, "147.5");
  EXPECT_EQ(Box("R(0)")->text(), "2,5744");
  EXPECT_EQ(Box("R(13)")->text(), "36");
}

TEST_F(WindowTest, CaptionsOfTheBoxesFitOnOneLine) {
  for (auto* label : window_->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QString name = label->objectName();
    if (name != "Label1" && !name.startsWith("Label2(")) {
      continue;
    }
    SCOPED_TRACE(name.toStdString());
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_LE(metrics.height(), label->contentsRect().height());
    EXPECT_TRUE(label->font().bold());
  }
}

TEST_F(WindowTest, MissingFacesAreReplacedByMetricCompatibleOnes) {
  const QFontInfo sans(Box("D(0)")->font());
  const QFontInfo serif(window_->Control("Label3")->font());
  EXPECT_TRUE(sans.family() == "MS Sans Serif" || sans.family() == "Liberation Sans")
      << sans.family().toStdString();
  EXPECT_TRUE(serif.family() == "Times New Roman" || serif.family() == "Liberation Serif")
      << serif.family().toStdString();
  EXPECT_TRUE(serif.italic());
  EXPECT_EQ(Box("D(0)")->font().pixelSize(), 11);
}

TEST_F(WindowTest, ClicksOnLabelsPictureAndResultsChangeNoText) {
  std::vector<QString> before;
  const auto texts = [this] {
    std::vector<QString> all;
    for (auto* box : window_->findChildren<QLineEdit*>()) {
      all.push_back(box->text());
    }
    return all;
  };
  before = texts();
  for (const char* name : {"lblTit", "Label7", "Picture1", "R(3)", "Label2(8)"}) {
    QWidget* control = window_->Control(name);
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseDClick(control, Qt::LeftButton);
  }
  QTest::mouseDClick(window_.get(), Qt::LeftButton, {}, QPoint(590, 445));
  EXPECT_EQ(texts(), before);
  EXPECT_EQ(Runs(), 0);
}

}  // namespace
}  // namespace ui::testing
