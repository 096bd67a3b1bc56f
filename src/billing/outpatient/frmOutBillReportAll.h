#pragma once
// The out-patient collection report over a range of days (see frmOutBillReport.h).
#include "billing/outpatient/frmOutBillReport.h"

class frmOutBillReportAll : public CollectionReportForm {
  Q_OBJECT
public:
  frmOutBillReportAll();
  ~frmOutBillReportAll() override;
};
