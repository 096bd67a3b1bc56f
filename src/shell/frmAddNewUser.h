#pragma once
// The user accounts: user name, password and user type, one row each in SettingsNewUser. The
// password and the type are stored enciphered.
//
// This form is the only way to make an account, and only an Admin reaches it: the last Admin
// account can be neither deleted nor given another type, and the account logged in now cannot be
// deleted. Each refusal is checked against the table as it is stored at that moment, before
// anything is asked or written; a name typed over in browse mode is answered first, as on every
// record form. Renaming the account logged in keeps it the logged-in one (gUserName follows).
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "framework/controlarray.h"
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
  std::array<QRadioButton, 3> Option1 = ControlArray<QRadioButton, 3>(this);  // "Admin", "Doctor", "Nurse/System Manager"
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
  void ModifyAccepted() override;
  void RecordSaved(bool modified) override;
  void Picture7_Click() override;  // Delete

  void Option1_Click(int Index);
  void txtUserName_KeyPress(int& KeyAscii);

private:
  void unselectOptions();
  // What the stored table says of the current row: why it must stay, or empty when it may go.
  QString deleteRefusal();
  // Whether the current row is the only stored account whose type deciphers to "Admin".
  bool currentRowIsLastAdmin();
  QButtonGroup optionGroup_{this};
  QString modifiedName_;  // the name of the account Modify began on, as stored then
};
