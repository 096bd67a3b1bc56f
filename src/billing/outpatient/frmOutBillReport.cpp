#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"

#include "data/columns.h"
#include "data/reports.h"

namespace {

// Generate lists the valid bills of the rows that were in the table at load; the daily form
// closes at load while there is no valid bill at all. The check boxes stand side by side under
// the pickers.
const CollectionReportKind& OutCollectionKind() {
  static const CollectionReportKind kind{
      cols::OutPatientPrintDetails::kTable, &OutAnyAvailableBillRead, &OutAvailableBillsOfDaysRead,
      &ReadOutReportBill, "CASH COLLECTION OUT-PATIENT BILL REPORT", {800, 4500, 1300},
      {"frmOutBillReport", "                   Daily Collection Out-Patient-Bill Report", &OutDailyRowText,
       "Please add the OutPatient Details First", 800, 0, {4800, 1800, 1100, 330}, {6100, 1800, 1100, 330},
       {4800, 2340, 6600, 2340, 9600, 8280, 10800, 8160}, {2760, 2940, 6810, 4815}, {7200, 8400, 8040, 8350}},
      {"frmOutBillReportAll", "          Genarate Out-Patient Weekly/Monthly/Yearly Bill Report", &OutPeriodRowText,
       nullptr, 900, 600, {4080, 1800, 1100, 330}, {5380, 1800, 1100, 330},
       {5160, 2340, 7440, 2340, 9600, 8280, 10800, 8160}, {2760, 2940, 6810, 4815}, {7200, 8400, 8040, 8350}},
  };
  return kind;
}

}  // namespace

frmOutBillReport::frmOutBillReport() : OutBillReportForm(OutCollectionKind(), kDailyCollection) {}

frmOutBillReport::~frmOutBillReport() = default;

frmOutBillReportAll::frmOutBillReportAll() : OutBillReportForm(OutCollectionKind(), kPeriodCollection) {}

frmOutBillReportAll::~frmOutBillReportAll() = default;
