#include "billing/inpatient/frmCancelInBillReport.h"

#include "billing/inpatient/frmInBillReportRows.h"
#include "data/columns.h"
#include "data/reports.h"

const CancelledReportConfig& InCancelledReportConfig() {
  static const CancelledReportConfig config{
      .formName = "frmCancelInBillReport",
      .caption = "                  Cancel In-Patient-Bill Report",
      .table = cols::InPatientPrintDetails::kTable,
      .sizes = kInAndTestReportSizes,
      .serial = &BillReportForm::SerialCounter,
      .dateLabelWidth = 510,
      // The name column is narrower than the other reports' so that the amount is in sight
      // without scrolling.
      .columns = {{.head = "Sl No", .width = 700},
                  {.head = "Patient Name", .width = 3500},
                  {.head = "Bill No", .width = 1000},
                  {.head = "Total Amt", .width = 1440}},
      .lists = ReportListing::CancelledAtLoad,
      .dayCancelledRead = &InCancelledBillsOfDayRead,
      .rows = &CancelledInBillRows,
      .printTitle = "CANCEL IN-PATIENT BILL REPORT",
  };
  return config;
}
