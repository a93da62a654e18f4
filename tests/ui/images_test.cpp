#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QSet>

#include "tests/ui/window_fixture.hpp"
#include "ui/application.hpp"

namespace ui::testing {
namespace {

struct PixelCount {
  int transparent = 0;
  QSet<QRgb> opaqueColours;
};

PixelCount Count(const QImage& image) {
  PixelCount count;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) == 0) {
        ++count.transparent;
      } else {
        count.opaqueColours.insert(pixel | 0xFF000000u);
      }
    }
  }
  return count;
}

// The rows and columns that hold a visible pixel.
QRect Extent(const QImage& image) {
  QRect extent;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) {
        extent |= QRect(x, y, 1, 1);
      }
    }
  }
  return extent;
}

TEST(Picture, IsADropOverAHandIn256Colours) {
  const QImage picture(":/images/picture1.png");
  ASSERT_EQ(picture.size(), QSize(101, 101));
  EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
  EXPECT_EQ(picture.colorCount(), 256);
  int transparentEntries = 0;
  for (const QRgb entry : picture.colorTable()) {
    transparentEntries += qAlpha(entry) == 0;
  }
  EXPECT_EQ(transparentEntries, 1);

  const PixelCount count = Count(picture);
  EXPECT_NEAR(count.transparent, 6065, 150);
  for (const QRgb named : {0x138FD6, 0x1386CD, 0x137DBA, 0x094771, 0x09507A, 0x13628C, 0x72E0FA,
                           0x5DCEFA, 0xFACEBA, 0xEFBC96, 0xD0B396, 0xBBA183, 0x9B745F, 0x725943,
                           0x3D3528, 0xDA624C, 0xDA6B55, 0x092C28, 0x132C31}) {
    EXPECT_TRUE(count.opaqueColours.contains(0xFF000000u | static_cast<QRgb>(named)))
        << std::hex << named;
  }
  EXPECT_EQ(Extent(picture.copy(0, 0, 101, 1)), QRect(60, 0, 2, 1)) << "the drop's tip";
  EXPECT_EQ(qAlpha(picture.pixel(2, 57)), 255) << "the cuff";
  EXPECT_EQ(qAlpha(picture.pixel(2, 56)), 0);
  EXPECT_EQ(qAlpha(picture.pixel(100, 68)), 255) << "a fingertip";
}

TEST(Icon, IsACloudInBlackGreysAndWhite) {
  const QSet<QRgb> allowed = {0xFF000000u, 0xFF808080u, 0xFFC0C0C0u, 0xFFFFFFFFu};
  const struct {
    int size;
    QRect cloud;
  } sizes[] = {{32, QRect(QPoint(0, 6), QPoint(31, 27))},
               {16, QRect(QPoint(0, 3), QPoint(15, 13))}};
  for (const auto& [size, cloud] : sizes) {
    SCOPED_TRACE(size);
    const QImage icon(QStringLiteral(":/icons/cloud-%1.png").arg(size));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(icon.colorCount(), 16);
    const PixelCount count = Count(icon);
    EXPECT_EQ(count.opaqueColours, allowed);
    EXPECT_GT(count.transparent, size * size / 4);
    EXPECT_EQ(Extent(icon), cloud);
    EXPECT_EQ(icon.pixel(size / 2, cloud.bottom()), 0xFF000000u) << "the outline is black";
  }
  const QIcon windowIcon = CloudIcon();
  EXPECT_TRUE(windowIcon.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(windowIcon.availableSizes().contains(QSize(32, 32)));
}

TEST_F(WindowTest, PictureShowsItsImageUnscaledOnButtonFace) {
  auto* picture = qobject_cast<QLabel*>(window_->Control("Picture1"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->size(), QSize(103, 103));
  EXPECT_EQ(picture->pixmap().size(), QSize(101, 101));
  EXPECT_FALSE(picture->hasScaledContents());

  const QImage shown = picture->grab().toImage();
  const QColor buttonFace = window_->palette().color(QPalette::Button);
  EXPECT_EQ(shown.pixelColor(1, 1), buttonFace) << "transparent pixels show the button face";
  EXPECT_EQ(shown.pixelColor(102, 102), buttonFace) << "the strip the image leaves";
  EXPECT_EQ(shown.pixelColor(61, 0), QImage(":/images/picture1.png").pixelColor(61, 0));
  EXPECT_FALSE(window_->windowIcon().isNull());
}

}  // namespace
}  // namespace ui::testing
