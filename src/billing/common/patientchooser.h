#pragma once
// The patient chooser every bill form uses: an editable combo box (`cmbPatientName`) listing the
// patients' identifiers, completed from its own list as the user types (no free text), and the
// text box beside it (`txtPatientID`, despite its name) that shows the chosen patient's name.
//
//   PatientChooser chooser{cmbPatientName, txtPatientID};
//   chooser.Fill(gCon, OutPatientsByNameSql());  // at Load (data/billinglookups.h)
//   connect(&chooser, &PatientChooser::PatientChosen, this, [this] { cmbDrName->setFocus(); });
//   ...
//   if (!chooser.HasPatient()) MsgBox("Please Select the Patient Name First", vbCritical);
//   chooser.Field(7)                              // a column of the chosen patient's row
//
// The chooser wires the combo box itself: its key presses (completion), its text changes, a
// pick from its list and its losing the focus all run Change(). Change() walks the patient
// recordset from its first row for the row whose column 0, trimmed, is the trimmed text (case
// counts). A match shows column 1 in the name box, keeps that row's values and raises
// PatientChosen. Filled from the SQL text rather than a recordset, the chooser keeps only the
// identifiers and reads the matched row alone, by its rowid. A text that matches nobody leaves the name on screen as it was, but HasPatient()
// is then false, so the form can refuse to bill the name shown for an identifier not typed.
// Emptying the text empties the name and forgets the patient.
//
// The drop-down list is open only while the focus is in the combo box: the keyboard goes where an
// open list is, so a list left open once the form has moved the focus on to the doctor would take
// the keys typed there. It closes as the focus leaves, and the focus stays where it went.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "framework/keylist.h"
#include "platform/ado.h"

class QComboBox;
class QLineEdit;

class PatientChooser : public QObject {
  Q_OBJECT
public:
  // Neither widget is owned. The combo box must be editable.
  PatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent = nullptr);
  ~PatientChooser() override;

  // Lists column 0 of every row of `patients`, first to last, and keeps the recordset (not
  // owned; it must outlive the chooser's use) for the look-ups. The recordset is left on its
  // first row.
  void Fill(Recordset* patients);
  // The same list without keeping the rows: column 0 of the rows a recordset opened on `sql` (an
  // updatable "SELECT * FROM T ...") would hold, in its order. Raises DbError as Recordset::Open.
  void Fill(std::shared_ptr<Connection> con, const QString& sql);
  // The patients listed.
  int Count() const;

  // The look-up the combo box's Change, Click and LostFocus run.
  void Change();

  // A patient is chosen and the combo box (trimmed) still shows that patient's identifier.
  bool HasPatient() const;
  // The identifier (as stored) and the row of the patient matched last; empty when none.
  const QString& PatientId() const { return patientId_; }
  const std::vector<Value>& PatientRow() const { return row_; }
  // A column of that row as text ("" for NULL, a column out of range or no patient).
  QString Field(int ordinal) const;

  // Empties the combo box's text and the name box and forgets the patient.
  void Clear();

signals:
  // A look-up matched: the name box shows the patient's name. The bill forms move the focus on.
  void PatientChosen();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void forget();
  // Keeps the drop-down list open only while the focus is in the combo box or its list.
  void listFollowsFocus(QWidget* now);
  bool lookUp(const QString& wanted);

  QPointer<QComboBox> combo_;
  QPointer<QLineEdit> name_;
  Recordset* patients_ = nullptr;
  // Filled from SQL: the list, and where the rows are read from.
  KeyList* keys_ = nullptr;
  std::shared_ptr<Connection> con_;
  QString table_;
  QString patientId_;
  std::vector<Value> row_;
  bool matched_ = false;
  bool busy_ = false;
  bool redelivering_ = false;  // a key given to the box without the focus is being handled
  QPointer<QWidget> focusLeftTo_;  // where the focus went when it took the list's place
};
