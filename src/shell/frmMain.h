#pragma once
// The main window: the MDI parent every menu form opens in, from the login to the end of the
// program. A painted title bar (with the close and minimise movies) stays on top; below it the
// menu panel with the title and the menu movie for the user's type covers the client area, and
// is hidden while a menu form is open. It refuses every request to close it: the program ends
// through the exit sequence and its fade.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPixmap>
#include <QTimer>
#include <cstdint>

#include "framework/vbform.h"
#include "platform/flashmovie.h"

class frmMain : public VbForm {
  Q_OBJECT
public:
  frmMain();
  ~frmMain() override;

  // The title bar and what it holds.
  QLabel pic{this};
  QLabel Label4{&pic};
  FlashMovie ShockwaveFlash3{&pic};  // minimise
  FlashMovie ShockwaveFlash4{&pic};  // close
  // The client area where the menu forms open, and the menu panel over it.
  QMdiArea MDIClient{this};
  QLabel Picture2{this};
  FlashMovie ShockwaveFlash5{&Picture2};  // the title
  FlashMovie ShockwaveFlash1{&Picture2};  // the vertical menu
  FlashMovie ShockwaveFlash2{&Picture2};  // the horizontal menu
  QTimer Timer1{this};  // the exit fade
  std::uint8_t FadeAlpha = 0;

  // modMenuHideShow, as registered with the framework's HideMainMenus/ShowMainMenus.
  void ShowMenus(QLineEdit* UserTypeBox);
  void HideMenus(QLineEdit* UserTypeBox);

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
  void Form_QueryUnload(int& cancel, int unloadMode) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void dispatch(const QString& command);
  // The question, the closing of the open menu form, the start of the fade. From the close
  // movie a failure while closing that form is passed over; from the menu it ends the sequence.
  void exitSequence(bool fromCloseMovie);
  void layoutControls();

  QPixmap background_;  // the client area's picture, stretched over it
};
