#pragma once
// The out-patient collection reports: the valid bills of one day (`frmOutBillReport`) or of a
// range of days (`frmOutBillReportAll`, in frmOutBillReportAll.h), the ordinary ones or, by the
// two check boxes, the ECG or the scan bills; listed with their total and printed as a
// collection report. Both forms are the collection report form on the out-patient report base,
// with the out-patient table.
#include "billing/common/collectionreport.h"
#include "billing/outpatient/outreportform.h"

using OutBillReportForm = CollectionReportOf<OutReportForm>;

class frmOutBillReport : public OutBillReportForm {
  Q_OBJECT
public:
  frmOutBillReport();
  ~frmOutBillReport() override;
};
