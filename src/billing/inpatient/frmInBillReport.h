#pragma once
// The in-patient collection reports: the valid bills (advance receipts included) of one day
// (frmInBillReport) or of a period (frmInBillReportAll), as the ordinary, the ECG or the scan
// collection, listed with their total and printed as a collection report. Both forms are this
// one class; they differ in the pickers, the row text, the date line and the caption.
#include <QCheckBox>
#include <optional>

#include "billing/inpatient/frmInBillReportForm.h"

class InBillReportForm : public InBillReportFormBase {
  Q_OBJECT
public:
  explicit InBillReportForm(InReportKind kind);
  ~InBillReportForm() override;

  QDateEdit DTPicker1{this};                // the day, or the first day of the period
  QCheckBox CheckBox1{this};                // "ECG"
  QCheckBox CheckBox2{this};                // "SCAN"
  std::optional<QDateEdit> DTPicker2;       // the last day of the period; none on the daily form

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;

private:
  CollectionMode mode() const;
  QDate lastDay() const;
  InReportKind kind_;
};

class frmInBillReport : public InBillReportForm {
  Q_OBJECT
public:
  frmInBillReport();
};
