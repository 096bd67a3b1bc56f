#pragma once
// The cancelled in-patient bills of one day (the day each bill was made out), as they were
// cancelled when the form was opened.
#include "billing/common/cancelledbillreport.h"
#include "billing/inpatient/frmInBillReportForm.h"

const CancelledReportShape& InCancelledReportShape();

class frmCancelInBillReport : public CancelledBillReportOf<InBillReportFormBase> {
  Q_OBJECT
public:
  frmCancelInBillReport() : CancelledBillReportOf(InCancelledReportShape()) {}
};
