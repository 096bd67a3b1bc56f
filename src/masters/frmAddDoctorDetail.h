#pragma once
// The doctors: one display name per doctor ("Dr.Zerdan , M.B.B.S") in SettingDrDetails, the name
// every doctor list of the patient and bill forms shows. The form's other inputs (names, sex,
// phones, birth date and age, hours, available days...) help the user and are never stored.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "framework/recordform.h"

class frmAddDoctorDetail : public RecordForm {
  Q_OBJECT
public:
  frmAddDoctorDetail();
  ~frmAddDoctorDetail() override;
  static RecordFormConfig DoctorFormConfig();

  void display() override;
  void LookUpResult(const QString& value) { (void)value; }

  QLineEdit txtDoctorID{this};  // the stored display name
  QLineEdit txtFirstName{this};
  QLineEdit txtLastName{this};
  QPlainTextEdit txtAddress{this};
  QLineEdit txtEmailId{this};
  QLineEdit txtDoctorType{this};
  QLineEdit txtQualification{this};
  QLineEdit txtSpecialization{this};
  QTimeEdit DTPicker2{this};  // in time
  QTimeEdit DTPicker3{this};  // out time
  QPlainTextEdit txtAvailabledays{this};  // written by the available-days picker
  QPushButton Command1{this};             // "...": opens the picker
  QComboBox cmbSex{this};
  QLineEdit txtMobilePhone{this};
  QLineEdit txtHomePhone{this};
  QDateEdit DTPicker1{this};  // date of birth
  QLineEdit txtAge{this};
  QLineEdit txtPagerNumber{this};
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // help beside the doctor name

  QLabel Label8{this};   // "Doctor Name"
  QLabel Label9{this};   // "First Name"
  QLabel Label4{this};   // "Last Name"
  QLabel Label17{this};  // "Address"
  QLabel Label14{this};  // "Email Id"
  QLabel Label15{this};  // "Doctor Type"
  QLabel Label12{this};  // "Qualification"
  QLabel Label13{this};  // "Specialization"
  QLabel Label10{this};  // "In Time"
  QLabel Label11{this};  // "Out Time"
  QLabel Label18{this};  // "Available Days"
  QLabel Label5{this};   // "Sex"
  QLabel Label1{this};   // "Mobile Phone"
  QLabel Label2{this};   // "Home Phone"
  QLabel Label6{this};   // "Date Of Birth"
  QLabel Label7{this};   // "Age"
  QLabel Label16{this};  // "Pager Number"

protected:
  void Form_Load() override;

  QWidget* KeyInput() override { return &txtDoctorID; }
  void ClearInputs() override;  // New and a deleted last row empty the name only
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;

  void Picture6_Click() override;   // Modify
  void Picture7_Click() override;   // Delete
  void Picture10_Click() override;  // Cancel

  void Command1_Click();
  void DTPicker1_Change();

private:
  void emptyAllInputs();  // the fourteen boxes Cancel empties
};
