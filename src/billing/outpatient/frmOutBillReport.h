#pragma once
// The out-patient collection reports: the valid bills of one day (`frmOutBillReport`) or of a
// range of days (`frmOutBillReportAll`, in frmOutBillReportAll.h), the ordinary ones or, by the
// two check boxes, the ECG or the scan bills; listed with their total and printed as a
// collection report. Both forms are the collection report form with the out-patient kind's
// configuration (frmOutBillReport.cpp).
#include "billing/common/collectionreport.h"

class frmOutBillReport : public CollectionReportForm {
  Q_OBJECT
public:
  frmOutBillReport();
  ~frmOutBillReport() override;
};
