#include "billing/outpatient/frmCancelOutBillReport.h"

#include "billing/outpatient/outreports.h"

const CancelledReportConfig& OutCancelledReportConfig() {
  static const CancelledReportConfig config{
      .formName = "frmCancelOutBillReport",
      .caption = "                  Cancel Out-Patient-Bill Report",
      .kind = BillKind::OutPatient,
      .sizes = kOutReportSizes,
      .dateLabelWidth = 800,
      .columns = {{.head = "Sl No", .width = 800},
                  {.head = "Patient Name / ID", .width = 3300},
                  {.head = "Bill No", .width = 1200, .rightAligned = true},
                  {.head = "Total Amt", .width = 1300, .rightAligned = true}},
      .rows = &CancelledBillRows,
      .printTitle = "CANCEL OUT-PATIENT BILL REPORT",
  };
  return config;
}
