#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"

#include "data/columns.h"
#include "data/reports.h"

namespace {

// Generate lists the bills that were valid when the form was loaded. On the period form the
// check boxes stand right of the second day.
const CollectionReportKind& InCollectionKind() {
  static const CollectionReportKind kind{
      cols::InPatientPrintDetails::kTable, nullptr, &InValidBillsOfDaysRead, &ReadInReportBill,
      "CASH COLLECTION IN-PATIENT BILL REPORT", {700, 5000, 1000},
      {"frmInBillReport", "                   Daily Collection In-Patient-Bill Report", &InDailyRowText, nullptr,
       510, 0, {7200, 1320, 1335, 255}, {7200, 1680, 1455, 375}, {4680, 2280, 6480, 2280, 9240, 8280, 10560, 8160},
       {2280, 2880, 6810, 4815}, {6840, 8400, 7560, 8370}},
      {"frmInBillReportAll", "          Genarate In-Patient Weekly/Monthly/Yearly Bill Report", &InPeriodRowText,
       nullptr, 510, 210, {9000, 1320, 1335, 255}, {9000, 1680, 1455, 375},
       {5160, 2040, 7440, 2040, 9600, 8280, 10800, 8160}, {2760, 2760, 6810, 4815}, {7200, 8400, 8040, 8350}},
  };
  return kind;
}

}  // namespace

frmInBillReport::frmInBillReport() : InBillReportForm(InCollectionKind(), kDailyCollection) {}

frmInBillReportAll::frmInBillReportAll() : InBillReportForm(InCollectionKind(), kPeriodCollection) {}
