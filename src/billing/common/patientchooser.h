#pragma once
// The patient chooser every bill form uses: an editable combo box (`cmbPatientName`) listing the
// patients' identifiers, completed from its own list as the user types (no free text), and the
// text box beside it (`txtPatientID`, despite its name) that shows the chosen patient's name.
//
//   PatientChooser chooser{cmbPatientName, txtPatientID};
//   chooser.Fill(gCon, {PatientsByNameRead(PatientTableKind::OutPatient)});  // at Load (data/patients.h)
//   connect(&chooser, &PatientChooser::PatientConfirmed, this, [this] { cmbDrName->setFocus(); });
//   ...
//   if (!chooser.HasPatient()) MsgBox("Please Select the Patient Name First", vbCritical);
//   chooser.Field(7)                              // a column of the chosen patient's row
//
// The chooser lists one or more patient tables, one after the other in the order given: the
// out-patient bill lists the out-patients, the in-patient bill the in-patients, and the test bill
// (a laboratory or x-ray test is billed to any patient) the in-patients and then the
// out-patients. A look-up searches the tables in that order, so an identifier held by two of them
// is the first one's.
//
// Typing only proposes: the completion puts the listed identifier into the box (the typed one
// itself where it is listed, else the first that begins with it), and the keys typed next go on
// into the box. The clerk chooses the patient shown by confirming: Enter, Tab, a pick from the
// list, or the focus leaving the box. Each runs Change(); Enter, Tab and a pick also raise
// PatientConfirmed when a patient was chosen, and the bill forms move the focus on to the doctor
// then (a Tab that chose somebody is spent on that). A click elsewhere in the form chooses
// without moving on, whether it takes the focus (the focus stays where the clerk put it) or not
// (the background, a label: the focus stays in the box).
//
// Change() walks the patients from the first row of the first table for the row whose column 0,
// trimmed, is the trimmed text (case counts). A match shows column 1 in the name box, keeps that
// row's values and raises PatientChosen. The chooser keeps only the identifiers and reads the
// matched row alone, by its rowid, as the database holds it at the look-up. A text that
// matches nobody, and a text typed but not yet confirmed, leave the name on screen as it was, but
// HasPatient() is then false, so the form can refuse to bill the name shown for an identifier not
// chosen. Emptying the text (typed away or confirmed) empties the name, forgets the patient and
// raises PatientForgotten.
//
// What the keys propose is listed in a short list of its own (TypedProposals,
// framework/keyfilters.h): the identifiers that begin with the text typed, the one proposed first
// and highlighted, placed clear of the doctor box and of every other box a click would go to. It
// takes neither the mouse nor the keyboard, so a click on the doctor box lands there at once, and
// the focus leaving the patient box confirms the identifier typed; a click on one of its entries
// is a pick. Typing never opens the box's own drop-down: that is the whole list, opened by its
// arrow or F4, and a click on one of its entries is a pick too.
//
// A look-up the database fails (a file another program holds) shows the "Database Error" message
// (ShowDatabaseError) rather than choosing nobody silently; the text typed stays in the box.
//
// The drop-down list is open only while the focus is in the combo box: the keyboard goes where an
// open list is, so a list left open once the form has moved the focus on to the doctor would take
// the keys typed there. It closes as the focus leaves, and the focus stays where it went.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
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

  // Lists column 0 of the rows of each read in turn, in their order, without keeping the rows.
  // Raises DbError as Recordset::Open.
  void Fill(std::shared_ptr<Connection> con, const std::vector<TableRead>& tables);
  // The patients listed, in all or in one table (its place in the list Fill was given).
  int Count() const;
  int Count(int table) const;

  // The look-up a confirm runs (Enter, Tab, a pick from the list, the focus leaving the box).
  void Change();

  // A patient is chosen and the combo box (trimmed) still shows that patient's identifier.
  bool HasPatient() const;
  // The identifier (as stored) and the row of the patient matched last; empty when none.
  // A column of that row as text ("" for NULL, a column out of range or no patient).
  QString Field(int ordinal) const;
  // The rowid of that row in its table: the row a save for the patient changes. None when none.
  std::optional<qint64> RowId() const;

  // Empties the combo box's text and the name box and forgets the patient.
  void Clear();

signals:
  // A look-up matched: the name box shows the patient's name.
  void PatientChosen();
  // The clerk confirmed the patient chosen with Enter, Tab or a pick from the list (after
  // PatientChosen): the bill forms move the focus on to the doctor.
  void PatientConfirmed();
  // The text was emptied: nobody is chosen any more.
  void PatientForgotten();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Change(), and PatientConfirmed when it chose somebody.
  void confirm();
  bool findListed(const QString& wanted);
  void forget();
  // Keeps the drop-down list open only while the focus is in the combo box or its list.
  void listFollowsFocus(QWidget* now);
  // While the box has the focus, every mouse press of the program passes here.
  void confirmOnClickOutside(QWidget* clicked);
  void showList(std::unique_ptr<KeyList> list);

  QPointer<QComboBox> combo_;
  QPointer<QLineEdit> name_;
  // The list, where each table's rows end in it, and the tables read from.
  KeyList* keys_ = nullptr;
  std::vector<int> listedEnd_;
  std::shared_ptr<Connection> con_;
  QStringList tables_;
  QString patientId_;
  std::vector<Value> row_;
  qint64 rowid_ = 0;
  bool matched_ = false;
  bool busy_ = false;
  // A mouse button went up over the dropped-down list: the activation it makes is a pick.
  bool picking_ = false;
  QPointer<QWidget> listArea_;  // the dropped-down list's entries, where a pick is clicked
  QPointer<QWidget> focusLeftTo_;  // where the focus went when it took the list's place
};
