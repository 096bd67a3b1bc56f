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
      .heads = {QStringLiteral("Sl No"), QStringLiteral("Patient Name"), QStringLiteral("Bill No"),
                QStringLiteral("Total Amt")},
      // The name column is narrower than the other reports' so that the amount is in sight
      // without scrolling.
      .widths = {700, 3500, 1000, 1440},
      .rightAligned = {},
      .lists = ReportListing::CancelledAtLoad,
      .dayCancelledRead = &InCancelledBillsOfDayRead,
      .rows = &CancelledInBillRows,
      .printTitle = "CANCEL IN-PATIENT BILL REPORT",
  };
  return config;
}
