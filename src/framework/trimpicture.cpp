#include "framework/trimpicture.h"

#include "framework/imagebutton.h"

void GetRGBBytes(std::uint32_t Color, std::uint8_t& Red, std::uint8_t& Green, std::uint8_t& Blue) {
  Red = std::uint8_t(Color & 0xFF);
  Green = std::uint8_t((Color >> 8) & 0xFF);
  Blue = std::uint8_t((Color >> 16) & 0xFF);
}

QRegion RegionFromPixels(const QImage& pixels, std::uint32_t TransparentColor) {
  const QImage image = pixels.convertToFormat(QImage::Format_RGB32);
  std::uint8_t r = 0, g = 0, b = 0;
  GetRGBBytes(TransparentColor, r, g, b);
  const QRgb clear = qRgb(r, g, b);
  const int w = image.width();
  const int h = image.height();

  QRegion region;
  for (int y = 0; y < h; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto transparent = [&](int x) { return (row[x] & 0x00FFFFFF) == (clear & 0x00FFFFFF); };
    // Column 0 never belongs to the shape, nor does the last one: a run that reaches the right
    // edge stops one short of it, so a run that starts in the last column is empty.
    int x = 1;
    while (x < w) {
      while (x < w && transparent(x)) ++x;
      const int start = x;
      while (x < w && !transparent(x)) ++x;
      if (start < w) {
        const int end = x == w ? w - 1 : x;
        if (end > start) region += QRect(start, y, end - start, 1);
      }
    }
  }
  return region;
}

void RegionFromPicture(ImageButton* Pic, std::uint32_t TransparentColor) {
  if (!Pic) return;
  const QRegion shape = RegionFromPixels(Pic->Image(), TransparentColor);
  if (shape.isEmpty())
    Pic->clearMask();
  else
    Pic->setMask(shape);
}

void TrimPictureBox(ImageButton* Pic) { RegionFromPicture(Pic, 0xFFFFFF); }
