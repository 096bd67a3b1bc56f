#include "billing/outpatient/frmCancelOutBillReport.h"

#include "billing/outpatient/outreports.h"
#include "data/columns.h"
#include "data/reports.h"

const CancelledReportShape& OutCancelledReportShape() {
  static const CancelledReportShape shape{
      "frmCancelOutBillReport",
      "                  Cancel Out-Patient-Bill Report",
      cols::OutPatientPrintDetails::kTable,
      800,
      {QStringLiteral("Sl No"), QStringLiteral("Patient Name / ID"), QStringLiteral("Bill No"),
       QStringLiteral("Total Amt")},
      {800, 3300, 1200, 1300},
      {2, 3},
      false,
      &OutAnyCancelledBillRead,
      &OutCancelledBillsOfDayRead,
      &CancelledBillRows,
      "CANCEL OUT-PATIENT BILL REPORT",
  };
  return shape;
}
