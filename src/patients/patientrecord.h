#pragma once
// The patient record forms: out-patients ("OP" and the typed number) and in-patients ("IP" and
// the typed number, the admission). Both are one form over a different table:
//
//   ShowForm<frmAddOutPatient>();   // SettingsOutPatient, list frmViewOutPatientDetails
//   ShowForm<frmAddInPatient>();    // SettingsInPatient, list frmViewInPatientDetails; every save
//                                   // marks the patient as admitted ("No" in Discharged)
//
// The identifier is the prefix followed by the typed number with its blanks trimmed: the same
// text the duplicate scan compares, so no identifier can be stored twice, nor in a form the bill
// choosers cannot match. A row keeps its identifier when it is modified (the identifier box takes
// no typing while a Modify is open), and no other row may hold it either. Save scans before its
// other checks, as the clerk has always seen it, and again inside the transaction of its write,
// so that another program storing the identifier in between cannot make it twice; no message is
// shown while that transaction holds the write lock.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <optional>

#include "data/patients.h"
#include "framework/recordform.h"

class KeyList;

struct PatientFormConfig {
  RecordFormConfig record;       // caption, size, SQL of both recordsets
  PatientTableKind kind = PatientTableKind::OutPatient;  // the patient table, for the duplicate scan
  QString prefix;                // "OP" or "IP"
  bool marksAdmitted = false;    // every save writes "No" into Discharged
  void (*viewAll)(VbForm* caller) = nullptr;  // LookUp of the form's patient list
};

// The identifier a new patient is stored under: prefix and typed text, blanks trimmed.
QString PatientIdFor(const QString& prefix, const QString& typed);

class PatientRecordForm : public RecordForm {
  Q_OBJECT
public:
  explicit PatientRecordForm(PatientFormConfig config);
  ~PatientRecordForm() override;


  void display() override;

  QComboBox cmbPatientID{this};
  QLineEdit txtFirstName{this};
  QLineEdit txtLastName{this};       // letters only; not stored
  QComboBox cmbSex{this};
  QLineEdit txtAge{this};            // digits only
  QDateEdit DTPicker1{this};         // date of birth; not stored
  QComboBox cmbMartialStatus{this};  // not stored
  QLineEdit txtMobilePhone{this};
  QLineEdit txtHomePhone{this};      // not stored
  QLineEdit txtPagerNumber{this};    // not stored
  QLineEdit txtAddress{this};
  QLineEdit txtEmailId{this};        // the location
  QLineEdit txtQualification{this};  // not stored
  QLabel Label8{this}, Label9{this}, Label4{this}, Label5{this}, Label7{this}, Label6{this}, Label10{this},
      Label1{this}, Label2{this}, Label16{this}, Label17{this}, Label14{this}, Label12{this};
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // the second help icon
  QLabel Detect{this};

  // True while a new row or a modification is open: the patient-ID box then shows no other row.
  bool BusyFlag = false;

protected:
  void Form_Load() override;

  void Picture5_Click() override;   // New
  void Picture9_Click() override;   // Save
  void Picture10_Click() override;  // Cancel

  QWidget* KeyInput() override { return &cmbPatientID; }
  // During a Modify the identifier stays the row's (Save never writes it): the box takes no
  // typing and no choice, so that it never shows an identifier the row does not have.
  bool KeyTakesTypingInModify() const override { return false; }
  void ClearInputs() override;
  void ModifyAccepted() override;  // the boxes of "Not Available" emptied
  void RecordDeleted() override;   // the identifier list read again
  void RecordSaved(bool modified) override;
  bool ValidateSave() override;
  void WriteColumns() override;
  // The duplicate scan once more and the write, in one transaction; the duplicate refused after it.
  bool StoreRow() override;
  void ViewAllRecords() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void cmbPatientID_LookUp();
  void DTPicker1_Change();
  void txtEmailId_Click();
  // Refills the identifier list from the look-up recordset, read afresh; the box's text is left
  // empty for the caller to set.
  void refillIdList();
  std::unique_ptr<KeyList> readIdList() const;
  // Whether another row holds the identifier being saved: one bound statement over the table as
  // it is now. Raises DbError when the table cannot be read.
  bool duplicateIdFound();
  // The duplicate scan once more and the write, in one transaction: false, with nothing written
  // and the row still pending, when another row holds the identifier now. Raises DbError, the
  // transaction rolled back, when the database refuses.
  bool storeInTransaction();
  void refuseDuplicateId();

  PatientFormConfig patient_;
  KeyList* ids_ = nullptr;  // the identifier list the box shows (the box owns it)
  bool lookingUp_ = false;
  bool fillingList_ = false;
};

class frmAddOutPatient : public PatientRecordForm {
  Q_OBJECT
public:
  frmAddOutPatient();
  static PatientFormConfig OutPatientConfig();
};

class frmAddInPatient : public PatientRecordForm {
  Q_OBJECT
public:
  frmAddInPatient();
  static PatientFormConfig InPatientConfig();
};
