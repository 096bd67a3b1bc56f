#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

// The screen as it is; no change is ever made to it.
class ScreenDisplay final : public DisplayService {
public:
  DisplayMode CurrentMode() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const qreal ratio = screen->devicePixelRatio();
    const QSize size = screen->geometry().size();
    return {int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)), screen->depth(),
            int(std::lround(screen->refreshRate()))};
  }
  DisplayMode FirstMode() override { return CurrentMode(); }
  // Every change is turned down as a mode the display cannot take, so the program goes on in
  // the mode the desktop has, without a message.
  int TestMode(const DisplayMode&) override { return DISP_CHANGE_BADMODE; }
  void ApplyMode(const DisplayMode&) override {}
  void Broadcast(int, quintptr, quint32) override {}
  void RequestRestart() override {}
};

// Remembers the state it was asked for; the desktop's panel is left as the user keeps it.
class RememberedTaskBar final : public TaskBarService {
public:
  int GetState() override { return state_; }
  void SetState(int state) override { state_ = state; }

private:
  int state_ = ABS_ALWAYSONTOP;
};

std::shared_ptr<DisplayService>& display() {
  static std::shared_ptr<DisplayService> s = std::make_shared<ScreenDisplay>();
  return s;
}
std::shared_ptr<TaskBarService>& taskBar() {
  static std::shared_ptr<TaskBarService> s = std::make_shared<RememberedTaskBar>();
  return s;
}

}  // namespace

std::shared_ptr<DisplayService> DisplayDevice() { return display(); }
std::shared_ptr<TaskBarService> TaskBarDevice() { return taskBar(); }

std::shared_ptr<DisplayService> SetDisplayService(std::shared_ptr<DisplayService> service) {
  if (!service) service = std::make_shared<ScreenDisplay>();
  std::swap(display(), service);
  return service;
}

std::shared_ptr<TaskBarService> SetTaskBarService(std::shared_ptr<TaskBarService> service) {
  if (!service) service = std::make_shared<RememberedTaskBar>();
  std::swap(taskBar(), service);
  return service;
}
