#pragma once
// The in-patient collection report over a period of days (see frmInBillReport.h).
#include "billing/inpatient/frmInBillReport.h"

class frmInBillReportAll : public CollectionReportForm {
  Q_OBJECT
public:
  frmInBillReportAll();
};
