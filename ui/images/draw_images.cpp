// Draws the window's picture (a water drop over an open hand) and the cloud icon, at 1x and 2x,
// as palette PNGs: 256 colours for the picture and 16 for the icon, one of them transparent.
//
//   draw_images OUTPUT_DIR
//
// Shapes are described in the 1x image's pixel units and sampled at each output pixel's centre,
// so the 2x images show the same drawing with twice the detail.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QVector>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <span>
#include <vector>

namespace {

constexpr QRgb kTransparent = qRgba(0, 0, 0, 0);

struct Point {
  double x, y;
};

// Catmull-Rom through points sorted by x, evaluated at x; flat beyond the ends.
double Curve(std::span<const Point> points, double x) {
  if (x <= points.front().x) {
    return points.front().y;
  }
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const Point& p1 = points[i];
    const Point& p2 = points[i + 1];
    if (x > p2.x) {
      continue;
    }
    const Point& p0 = i > 0 ? points[i - 1] : p1;
    const Point& p3 = i + 2 < points.size() ? points[i + 2] : p2;
    const double t = (x - p1.x) / (p2.x - p1.x);
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 0.5 * (2 * p1.y + (-p0.y + p2.y) * t + (2 * p0.y - 5 * p1.y + 4 * p2.y - p3.y) * t2 +
                  (-p0.y + 3 * p1.y - 3 * p2.y + p3.y) * t3);
  }
  return points.back().y;
}

// A mask of which output pixels lie inside a shape, with each inside pixel's distance to the
// nearest outside pixel, in 1x units.
class Mask {
 public:
  Mask(int size, double scale, const std::function<bool(double, double)>& inside)
      : size_(size), scale_(scale), inside_(static_cast<std::size_t>(size * size)) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        inside_[Index(x, y)] = inside((x + 0.5) / scale, (y + 0.5) / scale);
      }
    }
  }

  bool Inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < size_ && y < size_ && inside_[Index(x, y)];
  }

  double DistanceToOutside(int x, int y, double limit) const {
    const int reach = static_cast<int>(std::ceil(limit * scale_));
    double best = limit;
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        if (!Inside(x + dx, y + dy)) {
          best = std::min(best, std::hypot(dx, dy) / scale_);
        }
      }
    }
    return best;
  }

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * size_ + x); }

  int size_;
  double scale_;
  std::vector<bool> inside_;
};

// ---- the drop and the hand, 101 x 101 ----

constexpr double kDropCentre = 60.75;
constexpr double kDropWidest = 46;  // the row where the tapering top meets the round bottom

double DropHalfWidth(double y) {
  if (y < 0) {
    return -1;
  }
  if (y <= kDropWidest) {
    const double t = y / kDropWidest;
    return 1.0 + 19.5 * std::pow(std::sin(t * M_PI / 2), 1.6);
  }
  const double u = (y - kDropWidest) / 20.8;
  return u >= 1 ? -1 : 20.5 * std::sqrt(1 - u * u);
}

bool InDrop(double x, double y) {
  return std::abs(x - kDropCentre) < DropHalfWidth(y);
}

bool InHighlight(double x, double y, double within) {
  const double dx = (x - 60.5) / 6.5;
  const double dy = (y - 55.5) / 5.5;
  return dx * dx + dy * dy < within * within;
}

// The hand, palm up: the heel rises at the left, the palm dips into a hollow under the drop and
// the fingers curl up again towards their tips at the right edge.
constexpr std::array<Point, 14> kHandTop = {{{4, 63},
                                             {12, 61},
                                             {20, 58},
                                             {28, 55.5},
                                             {36, 57},
                                             {42, 62.5},
                                             {50, 67.5},
                                             {60, 70},
                                             {70, 69},
                                             {78, 66},
                                             {86, 62},
                                             {93, 59.5},
                                             {98, 60.5},
                                             {100.5, 64}}};
constexpr std::array<Point, 8> kHandBottom = {
    {{4, 92}, {20, 91}, {40, 89}, {60, 86.8}, {75, 84.4}, {88, 80}, {96, 77}, {100.5, 72}}};

bool InHand(double x, double y) {
  return x >= 4 && x < 101 && y > Curve(kHandTop, x) && y < Curve(kHandBottom, x);
}

bool InCuff(double x, double y) {
  return x >= 0 && x < 4 && y >= 57 && y < 93;
}

// Where a finger meets the next: three creases across the fingers, as fractions of the hand's
// thickness, each starting a little further right.
bool OnFingerCrease(double x, double y, double scale) {
  const double top = Curve(kHandTop, x);
  const double thickness = Curve(kHandBottom, x) - top;
  const double t = (y - top) / thickness;
  const double halfLine = 0.5 / scale / thickness;
  constexpr std::array<double, 3> kCreases = {0.28, 0.5, 0.72};
  for (std::size_t k = 0; k < kCreases.size(); ++k) {
    if (x >= 77 + 3.0 * static_cast<double>(k) && x < 98.5 &&
        std::abs(t - kCreases[k]) < halfLine) {
      return true;
    }
  }
  return false;
}

QRgb HandColour(const Mask& hand, int px, int py, double scale) {
  const double x = (px + 0.5) / scale;
  const double y = (py + 0.5) / scale;
  const int step = std::max(1, static_cast<int>(scale));
  if (!hand.Inside(px, py - step)) {
    return qRgb(0x72, 0x59, 0x43);  // the upper outline
  }
  if (!hand.Inside(px, py + step)) {
    return qRgb(0x3D, 0x35, 0x28);  // the underside's edge
  }
  if (x >= 97) {
    return py % 2 == 0 ? qRgb(0xDA, 0x62, 0x4C) : qRgb(0xDA, 0x6B, 0x55);
  }
  if (OnFingerCrease(x, y, scale)) {
    return qRgb(0x9B, 0x74, 0x5F);
  }
  const double top = Curve(kHandTop, x);
  const double t = (y - top) / (Curve(kHandBottom, x) - top);
  if (t < 0.3)
    return qRgb(0xFA, 0xCE, 0xBA);
  if (t < 0.5)
    return qRgb(0xEF, 0xBC, 0x96);
  if (t < 0.62)
    return qRgb(0xD0, 0xB3, 0x96);
  if (t < 0.74)
    return qRgb(0xBB, 0xA1, 0x83);
  if (t < 0.86)
    return qRgb(0x9B, 0x74, 0x5F);
  return qRgb(0x72, 0x59, 0x43);
}

QRgb DropColour(const Mask& drop, int px, int py, double scale) {
  const double x = (px + 0.5) / scale;
  const double y = (py + 0.5) / scale;
  if (InHighlight(x, y, 0.55))
    return qRgb(0x72, 0xE0, 0xFA);
  if (InHighlight(x, y, 1.0))
    return qRgb(0x5D, 0xCE, 0xFA);
  const double depth = drop.DistanceToOutside(px, py, 4);
  if (depth < 1.5)
    return qRgb(0x09, 0x47, 0x71);
  if (depth < 2.5)
    return qRgb(0x09, 0x50, 0x7A);
  if (depth < 3.5)
    return qRgb(0x13, 0x62, 0x8C);
  // Light falls from the upper left.
  const double shade = ((x - kDropCentre) * 0.6 + (y - 40) * 0.8) / 20;
  if (shade < -0.3)
    return qRgb(0x13, 0x8F, 0xD6);
  if (shade < 0.4)
    return qRgb(0x13, 0x86, 0xCD);
  return qRgb(0x13, 0x7D, 0xBA);
}

QRgb CuffColour(double x) {
  return x < 2 ? qRgb(0x13, 0x2C, 0x31) : qRgb(0x09, 0x2C, 0x28);
}

// A 256-entry palette: transparent first, then the drawing's colours, then unused greys.
QVector<QRgb> PictureColourTable(const QImage& drawing) {
  QVector<QRgb> table{kTransparent};
  for (int y = 0; y < drawing.height(); ++y) {
    for (int x = 0; x < drawing.width(); ++x) {
      const QRgb pixel = drawing.pixel(x, y);
      if (qAlpha(pixel) == 255 && !table.contains(pixel)) {
        table.push_back(pixel);
      }
    }
  }
  for (int grey = 0; table.size() < 256; grey = (grey + 37) % 256) {
    const QRgb filler = qRgb(grey, grey, grey);
    if (!table.contains(filler)) {
      table.push_back(filler);
    }
  }
  return table;
}

QImage DrawPicture(double scale) {
  const int size = static_cast<int>(101 * scale);
  const Mask drop(size, scale, InDrop);
  const Mask hand(size, scale, InHand);
  QImage drawing(size, size, QImage::Format_ARGB32);
  drawing.fill(kTransparent);
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      const double x = (px + 0.5) / scale;
      const double y = (py + 0.5) / scale;
      if (drop.Inside(px, py)) {
        drawing.setPixel(px, py, DropColour(drop, px, py, scale));
      } else if (hand.Inside(px, py)) {
        drawing.setPixel(px, py, HandColour(hand, px, py, scale));
      } else if (InCuff(x, y)) {
        drawing.setPixel(px, py, CuffColour(x));
      }
    }
  }
  return drawing.convertToFormat(QImage::Format_Indexed8, PictureColourTable(drawing),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// ---- the cloud, 32 x 32 ----

bool InCircle(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r;
}

// Puffs along the top over a flatter, rounded base.
bool InCloud(double x, double y) {
  const double baseY = 22;
  const double baseRadius = 5.6;
  const bool inBase = (x >= 6 && x <= 26 && std::abs(y - baseY) < baseRadius) ||
                      InCircle(x, y, 6, baseY, baseRadius) || InCircle(x, y, 26, baseY, baseRadius);
  return inBase || InCircle(x, y, 9.5, 15.5, 6) || InCircle(x, y, 17, 12.5, 6.5) ||
         InCircle(x, y, 24.5, 15, 5.5);
}

QImage DrawCloud(int size) {
  const double scale = size / 32.0;
  const Mask cloud(size, scale, InCloud);
  const auto outline = [&](int x, int y) {
    return cloud.Inside(x, y) && (!cloud.Inside(x - 1, y) || !cloud.Inside(x + 1, y) ||
                                  !cloud.Inside(x, y - 1) || !cloud.Inside(x, y + 1));
  };
  const QRgb black = qRgb(0, 0, 0), darkGrey = qRgb(0x80, 0x80, 0x80),
             lightGrey = qRgb(0xC0, 0xC0, 0xC0), white = qRgb(0xFF, 0xFF, 0xFF);
  const QVector<QRgb> table = {kTransparent,
                               black,
                               darkGrey,
                               lightGrey,
                               white,
                               qRgb(0x80, 0, 0),
                               qRgb(0, 0x80, 0),
                               qRgb(0x80, 0x80, 0),
                               qRgb(0, 0, 0x80),
                               qRgb(0x80, 0, 0x80),
                               qRgb(0, 0x80, 0x80),
                               qRgb(0xFF, 0, 0),
                               qRgb(0, 0xFF, 0),
                               qRgb(0xFF, 0xFF, 0),
                               qRgb(0, 0, 0xFF),
                               qRgb(0xFF, 0, 0xFF)};
  QImage image(size, size, QImage::Format_Indexed8);
  image.setColorTable(table);
  image.fill(0);
  const int lowerHalf = static_cast<int>(18 * scale);
  const int shading = std::max(1, static_cast<int>(scale));  // rows of each grey
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (!cloud.Inside(x, y)) {
        continue;
      }
      QRgb colour = white;
      const auto nearEdge = [&](int reach) {
        return outline(x, y + reach) ||
               (y >= lowerHalf && (outline(x - reach, y) || outline(x + reach, y)));
      };
      if (outline(x, y)) {
        colour = black;
      } else if (nearEdge(1) || (shading > 1 && nearEdge(shading))) {
        colour = darkGrey;
      } else if (nearEdge(shading + 1) || nearEdge(2 * shading)) {
        colour = lightGrey;
      }
      image.setPixel(x, y, static_cast<uint>(table.indexOf(colour)));
    }
  }
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "draw_images: cannot write %s\n", qPrintable(path));
    return false;
  }
  int transparent = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      transparent += qAlpha(image.pixel(x, y)) == 0;
    }
  }
  std::printf("%s: %dx%d, %lld colours, %d of %d pixels transparent\n", qPrintable(name),
              image.width(), image.height(), static_cast<long long>(image.colorCount()),
              transparent, image.width() * image.height());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_images OUTPUT_DIR\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool saved = Save(DrawPicture(1), folder, "picture1.png") &&
                     Save(DrawPicture(2), folder, "picture1@2x.png") &&
                     Save(DrawCloud(16), folder, "cloud-16.png") &&
                     Save(DrawCloud(32), folder, "cloud-32.png") &&
                     Save(DrawCloud(32), folder, "cloud-16@2x.png") &&
                     Save(DrawCloud(64), folder, "cloud-32@2x.png");
  return saved ? 0 : 1;
}
