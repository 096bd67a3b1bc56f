#pragma once
// The consultant fees: one row per doctor and patient with the fee's date and amount, kept with
// the common record bar.
//
//   ShowForm<frmAddConsultant>();
//
// The form opens only when both patient tables and the doctor table hold rows. The doctor and
// patient pair names a fee: a save may not take a pair another row already has (blanks trimmed).
// Delete and Modify act only on the fee the boxes show; once Modify has begun, its doctor and its
// patient may both be corrected. View All shows the laboratory price list.
//
// The control names are the ones the form has always had: cmbPatientID holds the DOCTOR names,
// txtPassword the amount and Combo1 the PATIENT identifiers.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "framework/recordform.h"

class frmAddConsultant : public RecordForm {
  Q_OBJECT
public:
  frmAddConsultant();
  ~frmAddConsultant() override;

  static RecordFormConfig ConsultantConfig();

  void display() override;

  QDateEdit DTPicker1{this};    // the fee's date; any date
  QComboBox cmbPatientID{this};  // doctor names
  QLineEdit txtPassword{this};   // amount, digits only
  QComboBox Combo1{this};        // patient identifiers, in-patients first
  QLabel Label1{this}, Label9{this}, Label4{this}, Label2{this};  // the captions

protected:
  void Form_Load() override;

  QWidget* KeyInput() override { return &cmbPatientID; }
  // The boxes show the current row's doctor and patient: a pair no row has (a look-up that found
  // nothing) is no fee to modify or delete.
  bool ShowsCurrentRow() const override;
  void ClearInputs() override;
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Lists the doctors' identifiers in cmbPatientID, read once at load; false when the form closed
  // (the table is empty or could not be read).
  bool fillDoctorList();
  // Lists the in-patients' identifiers, then the out-patients', in Combo1, as one column into the
  // list alone (nothing else of the patient tables is used); false when the form closed, as
  // fillDoctorList closes it.
  bool fillPatientList();
  // A table listed at load has no rows: the form says so and closes.
  void closeForEmptyList(const QString& message);
  void cmbPatientID_LookUp();
  bool duplicatePairFound();
  void refuse(const QString& text, QWidget* focus, const QString& title = QString());

  bool lookingUp_ = false;
};
