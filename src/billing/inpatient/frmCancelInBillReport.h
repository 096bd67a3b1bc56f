#pragma once
// The cancelled in-patient bills of one day (the day each bill was made out), listed with their
// total and printed as a cancelled-bill report with the bill number in a column of its own.
// Opened while no in-patient bill has ever been cancelled, it says so and closes unshown.
#include "billing/inpatient/frmInBillReportForm.h"

class frmCancelInBillReport : public InBillReportFormBase {
  Q_OBJECT
public:
  frmCancelInBillReport();
  ~frmCancelInBillReport() override;

  QDateEdit* DTPicker1 = nullptr;  // the day

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void Form_Load() override;
};
