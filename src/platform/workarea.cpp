#include "platform/workarea.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
std::function<std::optional<QRect>()>& workAreaSource() {
  static std::function<std::optional<QRect>()> f;
  return f;
}
std::function<QSize()>& screenSizeSource() {
  static std::function<QSize()> f;
  return f;
}
}  // namespace

std::optional<QRect> WorkArea() {
  if (workAreaSource()) return workAreaSource()();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  return screen->availableGeometry();
}

QSize ScreenSize() {
  if (screenSizeSource()) return screenSizeSource()();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize();
}

void SetWorkAreaSource(std::function<std::optional<QRect>()> workArea) {
  workAreaSource() = std::move(workArea);
}
void SetScreenSizeSource(std::function<QSize()> screenSize) { screenSizeSource() = std::move(screenSize); }
