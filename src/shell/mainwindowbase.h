#pragma once
// What the two main windows share: the title bar with its close and minimise movies, the menu
// panel with the title and the two menu movies, the placing of the window over the screen, the
// loading of its pictures and movies, and the exit question with its fade. Each window keeps its
// own command table (dispatch) and whatever else it is alone in having.
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <cstdint>

#include "framework/vbform.h"
#include "platform/flashmovie.h"
#include "platform/log.h"

class MainWindowBase : public VbForm {
  Q_OBJECT
public:
  // `fadeStepMs`: the time between two steps of the exit fade.
  explicit MainWindowBase(int fadeStepMs);
  ~MainWindowBase() override;

  // The title bar and what it holds.
  QLabel pic{this};
  QLabel Label4{&pic};
  FlashMovie ShockwaveFlash3{&pic};  // minimise
  FlashMovie ShockwaveFlash4{&pic};  // close
  QLabel Picture2{this};             // the menu panel over the client area
  FlashMovie ShockwaveFlash5{&Picture2};  // the title
  FlashMovie ShockwaveFlash1{&Picture2};  // the vertical menu
  FlashMovie ShockwaveFlash2{&Picture2};  // the horizontal menu
  QTimer Timer1{this};  // the exit fade
  std::uint8_t FadeAlpha = 0;

  void ShockwaveFlash1_FSCommand(const QString& command, const QString& args);
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);
  void ShockwaveFlash3_FSCommand(const QString& command, const QString& args);
  void ShockwaveFlash4_FSCommand(const QString& command, const QString& args);
  void Timer1_Timer();

  QString LookUpResult(const QString& Value) {
    (void)Value;
    return {};
  }

protected:
  void resizeEvent(QResizeEvent* event) override;

  // A menu command, run through the window's own table.
  virtual void dispatch(const QString& command) = 0;
  // What a window lays out under the title bar besides the menu panel.
  virtual void layoutClient(const QRect& client) { (void)client; }

  // Load steps. Maximised over the screen, less the margins the window was designed with; those
  // are its restored bounds, and maximised it covers the work area.
  void placeWindow();
  // The horizontal menu view, the panel's picture, the three movies and the database.
  void loadPicturesAndMovies();

  // The question, the closing of the active form, the start of the fade. From the close movie a
  // failure while closing that form is passed over; from the menu it ends the sequence.
  void exitSequence(bool fromCloseMovie);
  void layoutControls();

  // A file of the program folder, named as the forms name them ("\\title.swf").
  static QString programFile(const char* name);
  // The load goes on past a failing step: each step is tried on its own.
  template <class Step>
  static void passOver(Step step) {
    try {
      step();
    } catch (...) {
      LogSwallowed(lcShell, "a step of the main window's load", std::current_exception());
    }
  }

  QPixmap background_;  // the client area's picture, stretched over it

private:
  int fadeStepMs_;
};
