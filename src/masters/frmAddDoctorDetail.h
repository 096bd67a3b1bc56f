#pragma once
// The doctors: one row per doctor in SettingDrDetails. The display name ("Dr.Zerdan , M.B.B.S")
// is the key and the name every doctor list of the patient and bill forms shows; beside it the
// form stores the doctor's first and last name, sex, phones, birth date and age, pager, address,
// e-mail, type, qualification, specialization, hours and available days, one column each in the
// table's order, and shows them back. The doctor card finds a doctor by the first name.
//
// The birth date is stored as "dd/MM/yyyy" and the hours as "HH:mm". A picker the user leaves as
// the form showed it saves the text it was shown from, so a doctor saved without a birth date or
// hours keeps none (rather than today's date or midnight), and a Modify of one box keeps them.
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
  void ClearInputs() override;  // every box, the pickers back to today and "00:00"
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;
  void ModifyAccepted() override;  // the boxes that say "Not Available" are emptied

  void Picture7_Click() override;  // Delete

  void Command1_Click();
  void DTPicker1_Change();

private:
  // The pickers set from code (no age computed), with the stored texts they stand for.
  void showPickers(const QString& birth, const QString& in, const QString& out);

  QString storedBirth_, storedIn_, storedOut_;  // as display() read them; empty after ClearInputs
  QDate shownBirth_;
  QTime shownIn_, shownOut_;
};
