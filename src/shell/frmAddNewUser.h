#pragma once
// The user accounts: user name, password and user type, one row each in SettingsNewUser. The
// password and the type are stored enciphered.
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "framework/recordform.h"

class frmAddNewUser : public RecordForm {
  Q_OBJECT
public:
  frmAddNewUser();
  ~frmAddNewUser() override;
  static RecordFormConfig UserFormConfig();

  void display() override;

  QLineEdit txtUserName{this};         // letters only; names the account
  QLineEdit txtPassword{this};
  QLineEdit txtConfirmPassword{this};
  std::array<QRadioButton*, 3> Option1{};  // "Admin", "Doctor", "Nurse/System Manager"
  QLabel Label9{this};  // "User Name"
  QLabel Label4{this};  // "Password"
  QLabel Label5{this};  // "Confirm Password"
  QLabel Label1{this};  // "User Type"

  QString UserType;  // "Admin", "Doctor" or "Employee"; empty until an option is selected

protected:
  QWidget* KeyInput() override { return &txtUserName; }
  void ClearOwnState() override;
  void ClearInputs() override;
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;

  void Option1_Click(int Index);
  void txtUserName_KeyPress(int& KeyAscii);

private:
  void unselectOptions();
  QButtonGroup optionGroup_{this};
};
