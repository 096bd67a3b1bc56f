#include "billing/inpatient/frmInBillReportForm.h"

InBillReportFormBase::InBillReportFormBase() : BillReportForm(kInAndTestReportSizes, SerialCounter) {}
