#include "shell/gradient.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {
std::int32_t mRed = 0, mGreen = 0, mBlue = 0;

int channel(std::int16_t c1, std::int16_t c2, std::int16_t w, int i) {
  // Difference over width, times the column, plus the start; halves go to the even integer.
  return int(std::nearbyint(c1 + double(c2 - c1) / w * i));
}
}  // namespace

void SplitRGB(std::int32_t Color) {
  mBlue = Color / 256 / 256;
  mGreen = (Color - mBlue * 256 * 256) / 256;
  mRed = Color - mBlue * 256 * 256 - mGreen * 256;
}

int SplitRed() { return mRed; }
int SplitGreen() { return mGreen; }
int SplitBlue() { return mBlue; }

void DrawGradient(QImage& Target, std::int32_t StartColor, std::int32_t EndColor) {
  SplitRGB(StartColor);
  const auto r1 = std::int16_t(mRed), g1 = std::int16_t(mGreen), b1 = std::int16_t(mBlue);
  SplitRGB(EndColor);
  const auto r2 = std::int16_t(mRed), g2 = std::int16_t(mGreen), b2 = std::int16_t(mBlue);
  const auto w = std::int16_t(Target.width());
  // A bar without width has nothing to paint (and the step would divide by zero).
  if (w <= 0 || Target.height() <= 0) return;
  QPainter p(&Target);
  for (int i = 0; i <= w; ++i) {
    p.setPen(QColor(channel(r1, r2, w, i), channel(g1, g2, w, i), channel(b1, b2, w, i)));
    p.drawLine(i, 0, i, Target.height());
  }
}

void PaintGradientBar(QLabel* Bar, QWidget* Owner) {
  (void)Owner;
  if (!Bar || Bar->width() <= 0 || Bar->height() <= 0) return;
  QImage image(Bar->size(), QImage::Format_RGB32);
  image.fill(Bar->palette().color(Bar->backgroundRole()));
  DrawGradient(image, RGB(228, 184, 184), RGB(196, 36, 36));
  Bar->setPixmap(QPixmap::fromImage(image));
}
