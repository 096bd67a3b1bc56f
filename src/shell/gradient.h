#pragma once
// modGradient32TitleBar: the main window's title bar, a colour gradient from left to right.
// Colours are written as the forms write them: red in the lowest byte, green, then blue.
#include <cstdint>

class QImage;
class QLabel;
class QWidget;

inline constexpr std::int32_t RGB(int r, int g, int b) { return r + g * 256 + b * 65536; }

// Splits Color into the module's red, green and blue parts.
void SplitRGB(std::int32_t Color);
// The parts the last SplitRGB left.
int SplitRed();
int SplitGreen();
int SplitBlue();

// One vertical line for every column from 0 to the target's width inclusive, each channel
// running evenly from StartColor to EndColor. A target of width 0 gets nothing.
void DrawGradient(QImage& Target, std::int32_t StartColor, std::int32_t EndColor);

// Paints the bar at its present size, RGB(228, 184, 184) to RGB(196, 36, 36). The bar keeps
// that picture; growing later does not paint it again.
void PaintGradientBar(QLabel* Bar, QWidget* Owner);
