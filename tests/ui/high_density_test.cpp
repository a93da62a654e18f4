// At twice the density (QT_SCALE_FACTOR=2) the whole layout doubles and the images come in
// their 2x drawing.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

#include "tests/ui/window_fixture.hpp"
#include "ui/application.hpp"

namespace ui::testing {
namespace {

// Set before main creates the application, which reads it once.
const bool kTwiceTheDensity = qputenv("QT_SCALE_FACTOR", "2");

TEST_F(WindowTest, EveryControlDoublesInDevicePixels) {
  ASSERT_TRUE(kTwiceTheDensity);
  ASSERT_EQ(window_->devicePixelRatio(), 2.0);
  EXPECT_EQ(window_->size(), QSize(599, 454)) << "the logical size stays";
  const int controls = static_cast<int>(
      window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size());
  EXPECT_EQ(controls, 43);
  for (QWidget* control : window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    SCOPED_TRACE(control->objectName().toStdString());
    const QImage drawn = control->grab().toImage();
    EXPECT_EQ(drawn.size(), control->size() * 2);
  }
  EXPECT_EQ(window_->Control("D(1)")->geometry(), QRect(188, 138, 69, 20));
}

TEST_F(WindowTest, CaptionsStillFitAtTwiceTheDensity) {
  for (auto* label : window_->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QString name = label->objectName();
    if (name == "Label1" || name.startsWith("Label2(")) {
      EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                label->contentsRect().width())
          << name.toStdString();
    }
  }
}

TEST_F(WindowTest, PictureAndIconUseTheirSharpDrawing) {
  auto* picture = qobject_cast<QLabel*>(window_->Control("Picture1"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().devicePixelRatio(), 2.0);
  EXPECT_EQ(picture->pixmap().size(), QSize(202, 202));
  const QPixmap icon = CloudIcon().pixmap(QSize(32, 32), 2.0);
  EXPECT_EQ(icon.size(), QSize(64, 64));
  EXPECT_EQ(CloudIcon().pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
}

}  // namespace
}  // namespace ui::testing
