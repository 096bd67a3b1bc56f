#pragma once
// The splash the program starts with, and the procedures that set up the display mode and the
// task bar at start and set them back on every way out.
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "framework/vbform.h"

// The display mode the machine had at start goes into gScreenWidth, gScreenHeight, gScreenBits.
void SaveCurrentResolution();
// Task bar to auto-hide (start) and to always-on-top (every exit path, first of the two restores).
void AutoHideTaskBar();
void RestoreTaskBar();
// Tests the mode and switches to it, announcing the change to every window; a mode that needs a
// restart asks "You've to reboot" and restarts on Yes; any other answer of the test changes
// nothing and says nothing. The mode is built on the adapter's first mode, not the current one.
void ChangeResolution(const int& Width, const int& Height, const int& BitsPerPixel);
void SetStartupResolution();  // 1024 x 768 x 24
void RestoreResolution();     // the mode SaveCurrentResolution recorded (second of the restores)

// Whether the login the start-up message names ("tumbo", "tumbo") still logs in: a stored account
// of that name whose password deciphers to it, compared as the login compares. A database or
// table that cannot be read gives false.
bool DefaultLoginStands();

// The message box style of a question that stays in front of every window.
inline constexpr int kSystemModalBox = 4096;

class frmLoading : public VbForm {
  Q_OBJECT
public:
  frmLoading();

  QLabel Image1{this};  // the background picture, stretched over the window
  QLabel imgsymbol{this};
  QLabel lbltitle{this};
  QLabel lblVersion{this};
  QLabel lblPlatform{this};
  QLabel Label7{this};  // the rule under the titles
  QLabel Label5{this};  // the notice line
  QFrame Frame1{this};  // holds the warning
  QLabel Label2{&Frame1};
  QLabel Label3{&Frame1};
  QLabel Label4{&Frame1};
  QLabel Label1{this};
  QProgressBar ProgressBar1{this};
  QTimer Timer1{this};

  // Every 500 ms: the bar goes up by 10; on the tick that takes it past 98 the splash hides, the
  // default login is named (while it still logs in) and the login window opens. That step runs
  // once, however many ticks fall due while its message waits.
  void Timer1_Timer();

protected:
  void Form_Load() override;

private:
  bool closingStepRun_ = false;
};
