#pragma once
// The cancelled out-patient bills of one day: those of the rows in the table at load.
#include "billing/common/cancelledbillreport.h"

const CancelledReportConfig& OutCancelledReportConfig();

class frmCancelOutBillReport : public CancelledBillReportForm {
  Q_OBJECT
public:
  frmCancelOutBillReport() : CancelledBillReportForm(OutCancelledReportConfig()) {}
};
