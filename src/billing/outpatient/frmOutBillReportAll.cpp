#include "billing/outpatient/frmOutBillReportAll.h"

frmOutBillReportAll::frmOutBillReportAll() : OutBillReportForm(OutReportKind::Period) {
  setObjectName(QStringLiteral("frmOutBillReportAll"));
}

frmOutBillReportAll::~frmOutBillReportAll() = default;
