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
      .heads = {QStringLiteral("Sl No"), QStringLiteral("Patient Name / ID"), QStringLiteral("Bill No"),
                QStringLiteral("Total Amt")},
      .widths = {800, 3300, 1200, 1300},
      .rightAligned = {2, 3},
      .lists = ReportListing::CancelledOfRowsAtLoad,
      .dayCancelledRead = &OutCancelledBillsOfDayRead,
      .rows = &CancelledBillRows,
      .printTitle = "CANCEL OUT-PATIENT BILL REPORT",
  };
  return config;
}
