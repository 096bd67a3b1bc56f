#pragma once
// The consultant fee entries of a range of days, listed with their total and printed as a
// collection report: the shared report form in the out-patient forms' sizes.
#include <QDateEdit>

#include "billing/common/reportform.h"

class frmConsultantBillReportAll : public BillReportForm {
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
