#pragma once
// The password change: the logged-in user gives a new password, twice, for the own account.
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/flashmovie.h"

class Recordset;

class frmSettingsChangePwd : public VbForm {
  Q_OBJECT
public:
  frmSettingsChangePwd();
  ~frmSettingsChangePwd() override;

  QLabel Image1{this};  // background picture
  QLabel Label1{this};  // "New Password"
  QLabel Label2{this};  // "Confirm New Password"
  QLineEdit txtPassword{this};
  QLineEdit txtConfirmPassword{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // OK
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // Cancel
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  QLabel Label3{this};  // the hover holder
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise

  void Picture1_Click();
  void Picture2_Click();
  void ShockwaveFlash2_GotFocus();

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

private:
  void closeForm();

  std::unique_ptr<Recordset> MainRecordset;
};
