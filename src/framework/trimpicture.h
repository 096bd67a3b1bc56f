#pragma once
// Cutting a button to the outline of its picture: the button keeps only the pixels that differ
// from the transparent colour, so the form's background shows around the drawn shape and clicks
// there go to whatever lies beneath.
#include <QImage>
#include <QRegion>
#include <cstdint>

class ImageButton;

// Colours as the forms write them: red in the lowest byte, green in the second, blue in the third.
void GetRGBBytes(std::uint32_t Color, std::uint8_t& Red, std::uint8_t& Green, std::uint8_t& Blue);

// The pixels of `pixels` whose colour is not exactly `TransparentColor`, as one rectangle per
// horizontal run. The first and the last column never belong to it. Empty when no pixel does.
QRegion RegionFromPixels(const QImage& pixels, std::uint32_t TransparentColor);

// Shapes the button to what it shows (its picture over its back colour, at the button's size).
// Without an opaque pixel the button keeps its whole rectangle.
void RegionFromPicture(ImageButton* Pic, std::uint32_t TransparentColor);

// Shapes the button to its picture, white being transparent. A later change of picture (the
// hover picture) keeps the shape.
void TrimPictureBox(ImageButton* Pic);
