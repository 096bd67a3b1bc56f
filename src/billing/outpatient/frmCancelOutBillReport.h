#pragma once
// The cancelled out-patient bills of one day, listed with their total and printed as a
// cancelled-bill report (the bill number in a column of its own).
#include "billing/outpatient/outreportform.h"

class frmCancelOutBillReport : public OutReportForm {
  Q_OBJECT
public:
  frmCancelOutBillReport();
  ~frmCancelOutBillReport() override;

  QDateEdit* DTPicker1 = nullptr;  // the day

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void Form_Load() override;
};
