#include "billing/inpatient/frmInBillReportForm.h"

namespace {

constexpr ReportFormSizes kInReportSizes{300, 1815, 330, 975, 375, 765, 465, 700, 330};

}  // namespace

InBillReportFormBase::InBillReportFormBase() : BillReportForm(kInReportSizes, SerialCounter) {}
