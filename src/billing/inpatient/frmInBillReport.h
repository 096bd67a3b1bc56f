#pragma once
// The in-patient collection reports: the valid bills (advance receipts included) of one day
// (frmInBillReport) or of a period (frmInBillReportAll), as the ordinary, the ECG or the scan
// collection, listed with their total and printed as a collection report. Both forms are the
// collection report form with the in-patient kind's configuration (frmInBillReport.cpp). A report
// lists the bills as they stood when the form was opened, whatever was added or cancelled since.
#include "billing/common/collectionreport.h"

class frmInBillReport : public CollectionReportForm {
  Q_OBJECT
public:
  frmInBillReport();
};
