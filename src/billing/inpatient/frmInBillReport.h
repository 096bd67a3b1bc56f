#pragma once
// The in-patient collection reports: the valid bills (advance receipts included) of one day
// (frmInBillReport) or of a period (frmInBillReportAll), as the ordinary, the ECG or the scan
// collection, listed with their total and printed as a collection report. Both forms are the
// collection report form on the in-patient report base, with the in-patient table.
#include "billing/common/collectionreport.h"
#include "billing/inpatient/frmInBillReportForm.h"

using InBillReportForm = CollectionReportOf<InBillReportFormBase>;

class frmInBillReport : public InBillReportForm {
  Q_OBJECT
public:
  frmInBillReport();
};
