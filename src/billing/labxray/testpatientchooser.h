#pragma once
// The patient chooser of the test bills. A laboratory or x-ray test is billed to any patient, so
// the identifier combo box lists the in-patients first and then the out-patients, and a look-up
// searches the in-patients before the out-patients (an identifier in both is the in-patient's).
// Otherwise it behaves as the bill forms' PatientChooser: completion from the list, a look-up on
// every change of the text, a pick from the list and the loss of the focus; a match shows the
// name and raises PatientChosen; a text that matches nobody keeps the name on screen but
// HasPatient() is false; emptying the text forgets the patient; the drop-down list is open only
// while the focus is in the combo box.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "framework/keylist.h"
#include "platform/ado.h"

class QComboBox;
class QLineEdit;

class TestPatientChooser : public QObject {
  Q_OBJECT
public:
  TestPatientChooser(QComboBox* cmbPatientName, QLineEdit* txtPatientID, QObject* parent = nullptr);
  ~TestPatientChooser() override;

  // Lists column 0 of every in-patient, then of every out-patient. Neither recordset is owned.
  void Fill(Recordset* inPatients, Recordset* outPatients);
  // The same list without keeping the rows: column 0 of the rows recordsets opened on each text
  // (updatable "SELECT * FROM T ...") would hold; a look-up reads the matched row alone. Raises
  // DbError as Recordset::Open does.
  void Fill(std::shared_ptr<Connection> con, const QString& inPatientsSql, const QString& outPatientsSql);
  // The patients listed by the SQL fill.
  int InPatientCount() const { return inListed_; }
  int OutPatientCount() const { return keys_ ? keys_->Count() - inListed_ : 0; }
  void Change();
  bool HasPatient() const;
  // A column of the chosen patient's row as text ("" for NULL, out of range or no patient).
  QString Field(int ordinal) const;
  // Empties the combo box's text and the name box and forgets the patient.
  void Clear();

signals:
  void PatientChosen();
  // The text was emptied: nobody is chosen any more.
  void PatientForgotten();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool find(Recordset* patients, const QString& wanted);
  bool findListed(const QString& wanted);
  void forget();
  // Keeps the drop-down list open only while the focus is in the combo box or its list.
  void listFollowsFocus(QWidget* now);

  QPointer<QComboBox> combo_;
  QPointer<QLineEdit> name_;
  Recordset* inPatients_ = nullptr;
  Recordset* outPatients_ = nullptr;
  // Filled from SQL: the list (in-patients first, inListed_ of them) and the tables to read from.
  KeyList* keys_ = nullptr;
  int inListed_ = 0;
  std::shared_ptr<Connection> con_;
  QString inTable_, outTable_;
  QString patientId_;
  std::vector<Value> row_;
  bool matched_ = false;
  bool busy_ = false;
  bool redelivering_ = false;  // a key given to the box without the focus is being handled
  QPointer<QWidget> focusLeftTo_;  // where the focus went when it took the list's place
};
