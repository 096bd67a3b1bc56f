#include "billing/outpatient/frmConsultantBillReportAll.h"

#include "billing/common/reportlayout.h"
#include "billing/outpatient/outreports.h"
#include "data/reports.h"
#include "globals.h"
#include "platform/msgbox.h"

frmConsultantBillReportAll::frmConsultantBillReportAll() : BillReportForm(kOutReportSizes) {
  SetCaption(QStringLiteral("          Genarate Consultant Weekly/Monthly/Yearly Bill Report"));
  setObjectName(QStringLiteral("frmConsultantBillReportAll"));
  makeLabel(QStringLiteral("Date"), 3120, 1320, 900);
  makePicker(DTPicker1, "DTPicker1", 4080, 1320);
  makeLabel(QStringLiteral("to"), 6120, 1320, 600);
  makePicker(DTPicker2, "DTPicker2", 6840, 1320);
  guardPicker(DTPicker1, QStringLiteral("You cannt select for Future Date"));
  guardPicker(DTPicker2, QStringLiteral("You cannt select for Future Date"));
  makeButtons(kPeriodReportButtons);
  makeList({{.head = "Sl No", .width = 800},
            {.head = "Dr. Name / Patient ID / Date  ", .width = 4500},
            {.head = "Amount", .width = 1300, .rightAligned = true}},
           kPeriodReportList);
  makeTotal(kPeriodReportTotal);
}

frmConsultantBillReportAll::~frmConsultantBillReportAll() = default;

void frmConsultantBillReportAll::LoadMenuForm() {
  // Generate reads the fees of its days alone.
  noteAtLoad([] { return NoteConsultantFeesAtLoad(gCon); });
}

void frmConsultantBillReportAll::Picture1_Click() {
  if (DTPicker1.date() > DTPicker2.date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  const ReportDays days{.from = DTPicker1.date(), .to = DTPicker2.date()};
  std::vector<ConsultantFee> fees;
  if (!readReport([&] { fees = ConsultantFees(gCon, days, rowsAtLoad()); })) return;
  showReport(ConsultantFeeRows(fees, days.from, days.to));
}

void frmConsultantBillReportAll::Picture2_Click() {
  // The collection report's layout under the fee sheet's own title and middle head, so that it
  // is never filed and added up with the in-patient collection sheets.
  CollectionReport report =
      StandardCollectionReport(kRangeDateLineX, RangeDateLine(DTPicker1.date(), DTPicker2.date()),
                               QStringLiteral("CASH COLLECTION CONSULTANT FEE REPORT"));
  report.heads[1].text = QStringLiteral("Doctor - Patient Id - Date");
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}
