#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"

#include "billing/inpatient/frmInBillReportRows.h"

namespace {

// Generate lists the bills that were valid when the form was loaded. On the period form the
// check boxes stand right of the second day.
const CollectionReportConfig& InCollectionConfig() {
  static const CollectionReportConfig config{
      .kind = BillKind::InPatient,
      .ordinaryTitle = "CASH COLLECTION IN-PATIENT BILL REPORT",
      .sizes = kInAndTestReportSizes,
      .widths = {.serial = 700, .rows = 5000, .amount = 1000},
      .daily =
          {
              .formName = "frmInBillReport",
              .caption = "                   Daily Collection In-Patient-Bill Report",
              .rowText = &InDailyRowText,
              .noBillMessage = nullptr,
              .dateLabelWidth = 510,
              .toLabelWidth = 0,
              .ecgBox = {.left = 7200, .top = 1320, .width = 1335, .height = 255},
              .scanBox = {.left = 7200, .top = 1680, .width = 1455, .height = 375},
              .buttons = {.genLeft = 4680, .genTop = 2280, .genHelpLeft = 6480, .genHelpTop = 2280,
                          .printLeft = 9240, .printTop = 8280, .printHelpLeft = 10560, .printHelpTop = 8160},
              .list = {.left = 2280, .top = 2880, .width = 6810, .height = 4815},
              .total = {.labelLeft = 6840, .labelTop = 8400, .boxLeft = 7560, .boxTop = 8370},
          },
      .period =
          {
              .formName = "frmInBillReportAll",
              .caption = "          Genarate In-Patient Weekly/Monthly/Yearly Bill Report",
              .rowText = &InPeriodRowText,
              .noBillMessage = nullptr,
              .dateLabelWidth = 510,
              .toLabelWidth = 210,
              .ecgBox = {.left = 9000, .top = 1320, .width = 1335, .height = 255},
              .scanBox = {.left = 9000, .top = 1680, .width = 1455, .height = 375},
              .buttons = kPeriodReportButtons,
              .list = kPeriodReportList,
              .total = kPeriodReportTotal,
          },
  };
  return config;
}

}  // namespace

frmInBillReport::frmInBillReport() : CollectionReportForm(InCollectionConfig(), kDailyCollection) {}

frmInBillReportAll::frmInBillReportAll() : CollectionReportForm(InCollectionConfig(), kPeriodCollection) {}
