#pragma once
// The second main window: a plain top-level copy of the main window whose menu offers another set
// of commands, among them the only ones that open the employee register and the doctor, employee
// and user cards. Nothing in the program opens it. Its load loads the main window (the menu forms
// open there, and it is the main window's menu that comes back); its own menu movies get no file.
// It can be unloaded like any form; that ends nothing.
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <cstdint>
#include <span>

#include "framework/vbform.h"
#include "platform/flashmovie.h"
#include "shell/dispatch.h"

// The second main window's table, in the order it is compared. The commands both windows know
// open what the main window's table opens for them.
std::span<const MenuCommand> SecondWindowCommands();

class frmmain1 : public VbForm {
  Q_OBJECT
public:
  frmmain1();
  ~frmmain1() override;

  QLabel pic{this};  // the title bar (never painted: that needs a main window's frame)
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
  void Form_Load() override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void dispatch(const QString& command);
  // As the main window's: the question, the closing of the active form, the start of the fade.
  // From the close movie a failure while closing that form is passed over.
  void exitSequence(bool fromCloseMovie);
  void layoutControls();

  QPixmap background_;
};
