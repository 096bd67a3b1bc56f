#pragma once
// The consultant fee entries of a range of days, listed with their total and printed as a
// collection report.
#include "billing/outpatient/outreportform.h"

class frmConsultantBillReportAll : public OutReportForm {
  Q_OBJECT
public:
  frmConsultantBillReportAll();
  ~frmConsultantBillReportAll() override;

  QDateEdit DTPicker1{this};  // the first day
  QDateEdit DTPicker2{this};  // the last day

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;
};
