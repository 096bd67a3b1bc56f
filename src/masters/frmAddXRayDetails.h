#pragma once
// The x-ray price list: one row per test in SettingsXRay, its description and the prices for
// adults and for children (the x-ray bill takes the adult price from the age of 8 on).
#include <QLabel>
#include <QLineEdit>

#include "framework/recordform.h"

class frmAddXRayDetails : public RecordForm {
  Q_OBJECT
public:
  frmAddXRayDetails();
  ~frmAddXRayDetails() override;
  static RecordFormConfig XRayFormConfig();

  void display() override;

  QLineEdit txtUserName{this};         // the description
  QLineEdit txtPassword{this};         // the adult amount, digits only
  QLineEdit txtConfirmPassword{this};  // the children amount, digits only
  QLabel Label9{this};                 // "Description"
  QLabel Label4{this};                 // "Adult"
  QLabel Label5{this};                 // "Children"

protected:
  QWidget* KeyInput() override { return &txtUserName; }
  void ClearInputs() override;
  bool ValidateSave() override;
  void WriteColumns() override;
  void ViewAllRecords() override;
};
