#pragma once
// The cancelled out-patient bills of one day: those of the rows in the table at load.
#include "billing/common/cancelledbillreport.h"
#include "billing/outpatient/outreportform.h"

const CancelledReportShape& OutCancelledReportShape();

class frmCancelOutBillReport : public CancelledBillReportOf<OutReportForm> {
  Q_OBJECT
public:
  frmCancelOutBillReport() : CancelledBillReportOf(OutCancelledReportShape()) {}
};
