#pragma once
// Twips, the unit the forms were laid out in (1/1440 inch), and the pixels Qt places widgets in.
//
// The program treats the screen as 96 dots an inch, so a pixel is 15 twips. Every position and
// size a form sets goes through these helpers; nothing else divides by 15.
#include <QRect>
#include <QWidget>
#include <cmath>

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel, halves away from zero (-40 twips is -3 pixels, -2000 is -133).
inline int TwipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// A control's place inside its form, in twips (VB's Left, Top, Width, Height and Move).
inline void MoveTwips(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(TwipsRect(left, top, width, height));
}
inline void SetLeftTwips(QWidget* w, double left) { w->move(TwipsToPixels(left), w->y()); }
inline void SetTopTwips(QWidget* w, double top) { w->move(w->x(), TwipsToPixels(top)); }
inline void SetWidthTwips(QWidget* w, double width) { w->resize(TwipsToPixels(width), w->height()); }
inline void SetHeightTwips(QWidget* w, double height) { w->resize(w->width(), TwipsToPixels(height)); }
inline int LeftTwips(const QWidget* w) { return PixelsToTwips(w->x()); }
inline int TopTwips(const QWidget* w) { return PixelsToTwips(w->y()); }
inline int WidthTwips(const QWidget* w) { return PixelsToTwips(w->width()); }
inline int HeightTwips(const QWidget* w) { return PixelsToTwips(w->height()); }
