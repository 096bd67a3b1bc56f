#pragma once
// The display mode and the task bar, as the program asks for them.
//
// The program saves the display mode at start, asks for 1024 x 768 x 24 and sets the task bar to
// auto-hide; its exit paths set both back. On Linux the production services do not touch the
// desktop: the display reports the screen's current mode and turns down every change at its
// test, and the task bar only remembers the state it was asked for. Tests install their own.
#include <QtGlobal>
#include <memory>

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int refreshRate = 0;  // a change keeps the rate of the mode it was built on
  bool operator==(const DisplayMode&) const = default;
};

// What a mode test answers.
enum DisplayChangeResult : int {
  DISP_CHANGE_SUCCESSFUL = 0,
  DISP_CHANGE_RESTART = 1,  // the mode needs the system restarted
  DISP_CHANGE_FAILED = -1,
  DISP_CHANGE_BADMODE = -2,  // the display cannot take the mode
};

// The task bar's states.
enum AppBarState : int {
  ABS_AUTOHIDE = 1,
  ABS_ALWAYSONTOP = 2,
};

// The message that tells every top-level window the display mode has changed.
inline constexpr int WM_DISPLAYCHANGE = 0x7E;

// The message's lParam: the height in the high 16 bits, the width in the low 16 bits.
inline quint32 DisplayChangeLParam(int width, int height) {
  return (quint32(height & 0xFFFF) << 16) | quint32(width & 0xFFFF);
}

class DisplayService {
public:
  virtual ~DisplayService() = default;
  virtual DisplayMode CurrentMode() = 0;  // the mode the display runs in now
  virtual DisplayMode FirstMode() = 0;    // the first mode in the adapter's list
  // Whether the display could take the mode (a DisplayChangeResult); changes nothing.
  virtual int TestMode(const DisplayMode& mode) = 0;
  // Switches to the mode and stores it as the user's setting.
  virtual void ApplyMode(const DisplayMode& mode) = 0;
  // Sends a message to every top-level window of the desktop.
  virtual void Broadcast(int message, quintptr wParam, quint32 lParam) = 0;
  // Asks the system to restart.
  virtual void RequestRestart() = 0;
};

class TaskBarService {
public:
  virtual ~TaskBarService() = default;
  virtual int GetState() = 0;
  virtual void SetState(int state) = 0;  // an AppBarState
};

// The installed services (held by the caller for the length of its call, so a service swapped
// meanwhile stays alive). Setting one returns the one it replaces; nullptr restores production.
std::shared_ptr<DisplayService> DisplayDevice();
std::shared_ptr<TaskBarService> TaskBarDevice();
std::shared_ptr<DisplayService> SetDisplayService(std::shared_ptr<DisplayService> service);
std::shared_ptr<TaskBarService> SetTaskBarService(std::shared_ptr<TaskBarService> service);
