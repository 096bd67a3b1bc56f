#pragma once
// The login window: checks a user name and password against the user table, keeps the logged-in
// user's type in its hidden Text1 (CurrentUserType, and gUserType beside gUserName) and opens
// the main window.
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"

class frmLogin : public VbForm {
  Q_OBJECT
public:
  frmLogin();
  ~frmLogin() override;

private:
  std::unique_ptr<QStyle> passwordStyle_;  // outlives the password box that uses it

public:
  QLabel Image1{this};  // background
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise (no handler)
  QLabel Label1{this};
  QLineEdit txtUserName{this};
  QLabel Label2{this};
  QLineEdit txtPassword{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};
  QLineEdit Text1{this};  // the logged-in user's type
  QLineEdit Text2{this};  // the cipher's scratch

  // The window's set-up: design, centring, the button picture, a new connection, the focus in
  // the user name. Runs when the window is first shown and whenever the user comes back to it
  // from another window of the program; not when one of its own message boxes closes, nor when
  // the program comes back from another application.
  void Form_Activate();
  void Picture1_Click();
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);

protected:
  bool event(QEvent* e) override;
  // The system's close command leaves as the close movie does, never leaving the program
  // running with no window.
  void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
  std::unique_ptr<Recordset> rsUser_;  // made anew at each attempt, left open
  bool shownOnce_ = false;
  bool cameFromOurForm_ = false;
};
