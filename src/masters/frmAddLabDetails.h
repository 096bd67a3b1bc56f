#pragma once
// The laboratory price list: one row per investigation in SettingsLab, its description and its
// amount. The description is typed or chosen in a combo box that lists every investigation; in
// browse mode the form follows it as it changes: a description a row has makes that row the
// current one, every box showing it, so that Modify and Delete act on the investigation on the
// screen; a description no row has leaves no row current, and they refuse. Clicking Modify or
// Delete looks nothing up.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "framework/recordform.h"

class frmAddLabDetails : public RecordForm {
  Q_OBJECT
public:
  frmAddLabDetails();
  ~frmAddLabDetails() override;
  static RecordFormConfig LabFormConfig();

  void display() override;

  QComboBox cmbPatientID{this};  // the description; its list holds every investigation
  QLineEdit txtPassword{this};   // the amount, digits only
  QLabel Label9{this};           // "Investication"
  QLabel Label4{this};           // "Amount"

  bool BusyFlag = false;  // an edit is under way: a choice in the list loads nothing

protected:
  void Form_Load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* KeyInput() override { return &cmbPatientID; }
  void ClearInputs() override;
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;

  void Picture6_Click() override;   // Modify
  void Picture7_Click() override;   // Delete
  void Picture9_Click() override;   // Save
  void Picture10_Click() override;  // Cancel

  // A description typed, completed or chosen in browse mode: its row becomes the current one.
  void cmbPatientID_Click();
  void cmbPatientID_KeyPress(int& KeyAscii);

private:
  void setDescription(const QString& text);
  void fillList(Recordset& rs);
  void reloadList();  // from the table read afresh, keeping the text shown

  bool fillingList_ = false;
  bool lookingUp_ = false;
};
