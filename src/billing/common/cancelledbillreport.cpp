#include "billing/common/cancelledbillreport.h"

#include "billing/common/reportlayout.h"
#include "globals.h"
#include "platform/msgbox.h"

CancelledBillReportForm::CancelledBillReportForm(const CancelledReportConfig& config)
    : BillReportForm(config.sizes), config_(config) {
  setObjectName(QString::fromLatin1(config_.formName));
  SetCaption(QString::fromLatin1(config_.caption));
  makeLabel(QStringLiteral("Date"), 3960, 1320, config_.dateLabelWidth);
  makePicker(DTPicker1, "DTPicker1", 4800, 1320);
  guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(kCancelledReportButtons);
  makeList(config_.columns, kCancelledReportList);
  makeTotal(kCancelledReportTotal);
}

CancelledBillReportForm::~CancelledBillReportForm() = default;

void CancelledBillReportForm::Picture1_Click() {  // Generate
  std::vector<ReportBill> bills;
  if (!readReport([&] { bills = CancelledBills(gCon, config_.kind, DTPicker1.date(), rowsAtLoad()); })) return;
  showReport(config_.rows(bills, DTPicker1.date()));
}

void CancelledBillReportForm::Picture2_Click() {  // Print
  PrintCancelledBillReport(List, ReportTotal, DTPicker1.date(), QString::fromLatin1(config_.printTitle));
}

void CancelledBillReportForm::LoadMenuForm() {
  // Generate reads the cancelled bills of its day alone.
  if (!noteAtLoad([this] { return NoteCancelledAtLoad(gCon, config_.kind); })) return;
  if (noBillAtLoad()) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
  }
}

void PrintCancelledBillReport(const QTreeWidget& list, const Money& total, const QDate& day, const QString& title) {
  CollectionReport report;
  report.dateLineX = kDayDateLineX;
  report.dateLine = DayDateLine(day);
  report.title = title;
  report.heads = {{.text = QStringLiteral("Sl no."), .x = 800},
                  {.text = QStringLiteral("Patient Name - ID"), .x = 4000},
                  {.text = QStringLiteral("Bill No"), .x = 7800},
                  {.text = QStringLiteral("Amount."), .x = 9200}};
  report.columns = {{.x = 800, .rightAligned = false},
                    {.x = 4000, .rightAligned = false},
                    {.x = kBillNoRightX, .rightAligned = true},
                    {.x = kAmountRightX, .rightAligned = true}};
  report.rows = ReportRowsOf(&list, 4);
  report.total = total;
  PrintCollectionReport(report);
}
