#include "billing/inpatient/frmCancelInBillReport.h"

#include "billing/inpatient/frmInBillReportRows.h"
#include "data/columns.h"
#include "data/reports.h"

const CancelledReportShape& InCancelledReportShape() {
  static const CancelledReportShape shape{
      "frmCancelInBillReport",
      "                  Cancel In-Patient-Bill Report",
      cols::InPatientPrintDetails::kTable,
      510,
      {QStringLiteral("Sl No"), QStringLiteral("Patient Name"), QStringLiteral("Bill No"), QStringLiteral("Total Amt")},
      // The name column is narrower than the other reports' so that the amount is in sight
      // without scrolling.
      {700, 3500, 1000, 1440},
      {},
      true,
      nullptr,  // the cancelled rows noted at load say whether there is any
      &InCancelledBillsOfDayRead,
      &CancelledInBillRows,
      "CANCEL IN-PATIENT BILL REPORT",
  };
  return shape;
}
