#include "billing/inpatient/frmInBillReportAll.h"

frmInBillReportAll::frmInBillReportAll() : InBillReportForm(InReportKind::Period) {}
