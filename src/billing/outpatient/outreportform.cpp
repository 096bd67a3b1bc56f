#include "billing/outpatient/outreportform.h"

namespace {

constexpr ReportFormSizes kOutReportSizes{330, 1700, 330, 960, 360, 360, 360, 800, 330};

}  // namespace

OutReportForm::OutReportForm() : BillReportForm(kOutReportSizes, RowSerial) {}
