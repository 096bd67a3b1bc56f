#pragma once
// The out-patient collection reports: the valid bills of one day (`frmOutBillReport`) or of a
// range of days (`frmOutBillReportAll`, in frmOutBillReportAll.h), the ordinary ones or, by the
// two check boxes, the ECG or the scan bills; listed with their total and printed as a
// collection report. Both forms are this one class; they differ in the pickers, the row text,
// the caption and a few load steps.
#include <QCheckBox>
#include <optional>

#include "billing/outpatient/outreportform.h"

class OutBillReportForm : public OutReportForm {
  Q_OBJECT
public:
  explicit OutBillReportForm(OutReportKind kind);
  ~OutBillReportForm() override;

  OutReportKind Kind() const { return kind_; }

  QDateEdit DTPicker1{this};           // the day, or the first day of the range
  QCheckBox CheckBox1{this};           // "ECG"
  QCheckBox CheckBox2{this};           // "SCAN"
  std::optional<QDateEdit> DTPicker2;  // the last day of the range (the period form only)

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;

private:
  OutReportKind kind_;
};

class frmOutBillReport : public OutBillReportForm {
  Q_OBJECT
public:
  frmOutBillReport();
  ~frmOutBillReport() override;
};
