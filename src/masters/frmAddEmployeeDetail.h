#pragma once
// The employee register: one row per employee in SettingsEmployeeDetails, all thirteen inputs
// stored as text. The buttons work by mouse only (no hot keys). Empty phone and e-mail boxes are
// asked about and stored as "Not Available" when the employee has none; an empty pager box gets
// it without a question, and Modify empties those boxes again so that the next save asks anew.
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/recordform.h"

// The birth date a stored "dd/mm/yyyy" text stands for; invalid when it is no such date.
QDate EmployeeBirthDate(const QString& stored);

class frmAddEmployeeDetail : public RecordForm {
  Q_OBJECT
public:
  frmAddEmployeeDetail();
  ~frmAddEmployeeDetail() override;
  static RecordFormConfig EmployeeFormConfig();

  QString LookUpResult(const QString& Value) {
    (void)Value;
    return {};
  }
  void display() override;

  // The inputs, in the table's column order.
  QLineEdit txtEmployeeID{this};
  QLineEdit txtFirstName{this};
  QLineEdit txtLastName{this};
  QComboBox cmbSex{this};
  QLineEdit txtMobilePhone{this};
  QLineEdit txtHomePhone{this};
  QDateEdit DTPicker1{this};  // date of birth
  QLineEdit txtAge{this};
  QLineEdit txtPagerNumber{this};
  QPlainTextEdit txtAddress{this};
  QLineEdit txtEmailId{this};
  QLineEdit txtEmployeeType{this};
  QLineEdit txtQualification{this};
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // help beside the last name

  QLabel Label8{this};   // "Employee Id"
  QLabel Label9{this};   // "First Name"
  QLabel Label4{this};   // "Last Name"
  QLabel Label5{this};   // "Sex"
  QLabel Label1{this};   // "Mobile Phone"
  QLabel Label2{this};   // "Home Phone"
  QLabel Label6{this};   // "Date Of Birth"
  QLabel Label7{this};   // "Age"
  QLabel Label16{this};  // "Pager Number"
  QLabel Label17{this};  // "Address"
  QLabel Label14{this};  // "Email Id"
  QLabel Label15{this};  // "Employee Type"
  QLabel Label12{this};  // "Qualification"

  // A change of the birth date: the age sentence, after refusing a date after today.
  void DTPicker1_Change();
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);

protected:
  void Form_Load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* KeyInput() override { return &txtEmployeeID; }
  void ClearInputs() override;
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;

  void ModifyAccepted() override;

private:
  void setPicker(const QDate& date);  // from code: no age computation
  void showAge(const QString& age);
  // The question of an empty phone or e-mail box: false when the user has one (focus, stop).
  bool askNotAvailable(QLineEdit& box, const QString& question);
};
