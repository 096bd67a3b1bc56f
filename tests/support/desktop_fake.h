#pragma once
// A display and a task bar that change nothing and write down every call, in order, in one log:
//   "current", "first", "test 1024x768x24@60", "apply 1024x768x24@60",
//   "broadcast 126 24 50332672", "restart", "taskbar get", "taskbar set 1".
// Tests may add their own entries (the program's end, say) to see where they fall.
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/display.h"

class RecordingDesktop final : public DisplayService, public TaskBarService {
public:
  DisplayMode current{1280, 1024, 32, 75};
  DisplayMode first{640, 480, 8, 60};
  int testAnswer = DISP_CHANGE_SUCCESSFUL;
  int taskBarState = ABS_ALWAYSONTOP;
  QStringList log;

  static QString text(const DisplayMode& m) {
    return QStringLiteral("%1x%2x%3@%4").arg(m.width).arg(m.height).arg(m.bitsPerPixel).arg(m.refreshRate);
  }

  DisplayMode CurrentMode() override {
    log << QStringLiteral("current");
    return current;
  }
  DisplayMode FirstMode() override {
    log << QStringLiteral("first");
    return first;
  }
  int TestMode(const DisplayMode& mode) override {
    log << QStringLiteral("test ") + text(mode);
    return testAnswer;
  }
  void ApplyMode(const DisplayMode& mode) override { log << QStringLiteral("apply ") + text(mode); }
  void Broadcast(int message, quintptr wParam, quint32 lParam) override {
    log << QStringLiteral("broadcast %1 %2 %3").arg(message).arg(wParam).arg(lParam);
  }
  void RequestRestart() override { log << QStringLiteral("restart"); }
  int GetState() override {
    log << QStringLiteral("taskbar get");
    return taskBarState;
  }
  void SetState(int state) override {
    log << QStringLiteral("taskbar set %1").arg(state);
    taskBarState = state;
  }
};

// Installs a RecordingDesktop for its lifetime and puts the production services back after.
class DesktopFakeScope {
public:
  DesktopFakeScope() : desktop_(std::make_shared<RecordingDesktop>()) {
    SetDisplayService(desktop_);
    SetTaskBarService(desktop_);
  }
  ~DesktopFakeScope() {
    SetDisplayService(nullptr);
    SetTaskBarService(nullptr);
  }
  DesktopFakeScope(const DesktopFakeScope&) = delete;
  DesktopFakeScope& operator=(const DesktopFakeScope&) = delete;
  RecordingDesktop& operator*() const { return *desktop_; }
  RecordingDesktop* operator->() const { return desktop_.get(); }

private:
  std::shared_ptr<RecordingDesktop> desktop_;
};
