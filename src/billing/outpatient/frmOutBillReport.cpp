#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"

#include "billing/outpatient/outreports.h"

namespace {

// Generate lists the valid bills of the rows that were in the table at load; the daily form
// closes at load while there is no valid bill at all. The check boxes stand side by side under
// the pickers.
const CollectionReportConfig& OutCollectionConfig() {
  static const CollectionReportConfig config{
      .kind = BillKind::OutPatient,
      .ordinaryTitle = "CASH COLLECTION OUT-PATIENT BILL REPORT",
      .sizes = kOutReportSizes,
      .widths = {.serial = 800, .rows = 4500, .amount = 1300},
      .daily =
          {
              .formName = "frmOutBillReport",
              .caption = "                   Daily Collection Out-Patient-Bill Report",
              .rowText = &OutDailyRowText,
              .noBillMessage = "Please add the OutPatient Details First",
              .dateLabelWidth = 800,
              .toLabelWidth = 0,
              .ecgBox = {.left = 4800, .top = 1800, .width = 1100, .height = 330},
              .scanBox = {.left = 6100, .top = 1800, .width = 1100, .height = 330},
              .buttons = {.genLeft = 4800, .genTop = 2340, .genHelpLeft = 6600, .genHelpTop = 2340,
                          .printLeft = 9600, .printTop = 8280, .printHelpLeft = 10800, .printHelpTop = 8160},
              .list = {.left = 2760, .top = 2940, .width = 6810, .height = 4815},
              .total = {.labelLeft = 7200, .labelTop = 8400, .boxLeft = 8040, .boxTop = 8350},
          },
      .period =
          {
              .formName = "frmOutBillReportAll",
              .caption = "          Genarate Out-Patient Weekly/Monthly/Yearly Bill Report",
              .rowText = &OutPeriodRowText,
              .noBillMessage = nullptr,
              .dateLabelWidth = 900,
              .toLabelWidth = 600,
              .ecgBox = {.left = 4080, .top = 1800, .width = 1100, .height = 330},
              .scanBox = {.left = 5380, .top = 1800, .width = 1100, .height = 330},
              .buttons = {.genLeft = 5160, .genTop = 2340, .genHelpLeft = 7440, .genHelpTop = 2340,
                          .printLeft = 9600, .printTop = 8280, .printHelpLeft = 10800, .printHelpTop = 8160},
              .list = {.left = 2760, .top = 2940, .width = 6810, .height = 4815},
              .total = {.labelLeft = 7200, .labelTop = 8400, .boxLeft = 8040, .boxTop = 8350},
          },
  };
  return config;
}

}  // namespace

frmOutBillReport::frmOutBillReport() : CollectionReportForm(OutCollectionConfig(), kDailyCollection) {}

frmOutBillReport::~frmOutBillReport() = default;

frmOutBillReportAll::frmOutBillReportAll() : CollectionReportForm(OutCollectionConfig(), kPeriodCollection) {}

frmOutBillReportAll::~frmOutBillReportAll() = default;
