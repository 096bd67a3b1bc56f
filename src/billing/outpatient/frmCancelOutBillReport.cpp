#include "billing/outpatient/frmCancelOutBillReport.h"

#include "billing/outpatient/outreports.h"
#include "data/columns.h"
#include "data/reports.h"

const CancelledReportConfig& OutCancelledReportConfig() {
  static const CancelledReportConfig config{
      .formName = "frmCancelOutBillReport",
      .caption = "                  Cancel Out-Patient-Bill Report",
      .table = cols::OutPatientPrintDetails::kTable,
      .sizes = kOutReportSizes,
      .serial = &BillReportForm::RowSerial,
      .dateLabelWidth = 800,
      .columns = {{.head = "Sl No", .width = 800},
                  {.head = "Patient Name / ID", .width = 3300},
                  {.head = "Bill No", .width = 1200, .rightAligned = true},
                  {.head = "Total Amt", .width = 1300, .rightAligned = true}},
      .lists = ReportListing::CancelledOfRowsAtLoad,
      .dayCancelledRead = &OutCancelledBillsOfDayRead,
      .rows = &CancelledBillRows,
      .printTitle = "CANCEL OUT-PATIENT BILL REPORT",
  };
  return config;
}
