#pragma once
// The desktop as the windows are placed on it: the work area (the screen without the task bar)
// and the screen's size, both in pixels.
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>

// The work area; empty when it cannot be read (no screen).
std::optional<QRect> WorkArea();
// The whole screen's size; empty when there is no screen.
QSize ScreenSize();

// Tests describe the desktop they want; an empty function restores the real screen.
void SetWorkAreaSource(std::function<std::optional<QRect>()> workArea);
void SetScreenSizeSource(std::function<QSize()> screenSize);
