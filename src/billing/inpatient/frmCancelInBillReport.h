#pragma once
// The cancelled in-patient bills of one day (the day each bill was made out), as they were
// cancelled when the form was opened.
#include "billing/common/cancelledbillreport.h"

const CancelledReportConfig& InCancelledReportConfig();

class frmCancelInBillReport : public CancelledBillReportForm {
  Q_OBJECT
public:
  frmCancelInBillReport() : CancelledBillReportForm(InCancelledReportConfig()) {}
};
