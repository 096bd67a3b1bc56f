#pragma once
// The password change: the logged-in user gives a new password, twice, for the own account.
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/menuform.h"

class Recordset;

class frmSettingsChangePwd : public MenuForm {
  Q_OBJECT
public:
  frmSettingsChangePwd();
  ~frmSettingsChangePwd() override;

  QLabel Label1{this};  // "New Password"
  QLabel Label2{this};  // "Confirm New Password"
  QLineEdit txtPassword{this};
  QLineEdit txtConfirmPassword{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // OK
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // Cancel
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  QLabel Label3{this};  // the hover holder

  void Picture1_Click();
  void Picture2_Click();

protected:
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;

private:
  std::unique_ptr<Recordset> MainRecordset;
};
