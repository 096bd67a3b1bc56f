#include "billing/inpatient/frmCancelInBillReport.h"

#include "billing/inpatient/frmInBillReportRows.h"

const CancelledReportConfig& InCancelledReportConfig() {
  static const CancelledReportConfig config{
      .formName = "frmCancelInBillReport",
      .caption = "                  Cancel In-Patient-Bill Report",
      .kind = BillKind::InPatient,
      .sizes = kInAndTestReportSizes,
      .dateLabelWidth = 510,
      // The name column is narrower than the other reports' so that the amount is in sight
      // without scrolling.
      .columns = {{.head = "Sl No", .width = 700},
                  {.head = "Patient Name", .width = 3500},
                  {.head = "Bill No", .width = 1000},
                  {.head = "Total Amt", .width = 1440}},
      .rows = &CancelledInBillRows,
      .printTitle = "CANCEL IN-PATIENT BILL REPORT",
  };
  return config;
}
