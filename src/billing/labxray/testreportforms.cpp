#include "billing/labxray/testreportforms.h"

#include "billing/common/cancelledbillreport.h"
#include "billing/common/reportlayout.h"
#include "billing/labxray/testreports.h"
#include "data/reports.h"
#include "globals.h"
#include "platform/msgbox.h"

TestReportForm::TestReportForm(TestBillKind kind)
    : BillReportForm(kInAndTestReportSizes), kind_(kind) {}

TestReportForm::~TestReportForm() = default;

void TestReportForm::picker(QDateEdit& p, const char* name, double left, double top, const QString& guardLine) {
  makePicker(p, name, left, top);
  p.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  guardPicker(p, guardLine);
}

bool TestReportForm::noteBillsAtLoad(const std::function<RowsAtLoad(BillKind kind)>& note) {
  if (noteAtLoad([&] { return note(BillKindOf(kind_)); })) return true;
  Unload();
  return false;
}

// The period report.

TestCollectionReportForm::TestCollectionReportForm(TestBillKind kind) : TestReportForm(kind) {
  makeLabel(QStringLiteral("Date"), 3120, 1320, 510);
  picker(DTPicker1, "DTPicker1", 4080, 1320, QStringLiteral("You cannt select for Future Date"));
  makeLabel(QStringLiteral("to"), 6120, 1320, 210);
  picker(DTPicker2, "DTPicker2", 6840, 1320, QStringLiteral("You cannt select for Future Date"));
  makeButtons(kPeriodReportButtons);
  makeList({{.head = "Sl No", .width = 700},
            {.head = "Bill-No / Patient Name / Date", .width = 5000},
            {.head = "Amount", .width = 1000, .rightAligned = true}},
           kPeriodReportList);
  makeTotal(kPeriodReportTotal);
  SetCaption(QString::fromLatin1(TestBillConfigOf(kind_).reportCaption));
}

void TestCollectionReportForm::LoadMenuForm() {
  noteBillsAtLoad([](BillKind kind) { return NoteCollectionAtLoad(gCon, kind); });
}

void TestCollectionReportForm::Picture1_Click() {
  if (DTPicker1.date() > DTPicker2.date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  const ReportDays days{.from = DTPicker1.date(), .to = DTPicker2.date()};
  std::vector<TestReportBill> bills;
  if (!readReport([&] { bills = TestCollectionBills(gCon, BillKindOf(kind_), days, rowsAtLoad()); })) return;
  showReport(TestCollectionRows(bills, days.from, days.to));
}

void TestCollectionReportForm::Picture2_Click() {
  const TestBillConfig& config = TestBillConfigOf(kind_);
  CollectionReport report = StandardCollectionReport(kRangeDateLineX, RangeDateLine(DTPicker1.date(), DTPicker2.date()),
                                                     QString::fromLatin1(config.reportTitle));
  report.heads[1].text = QString::fromLatin1(config.reportMiddleHead);
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

// The cancelled-bill report.

TestCancelReportForm::TestCancelReportForm(TestBillKind kind) : TestReportForm(kind) {
  makeLabel(QStringLiteral("Date"), 3960, 1320, 510);
  picker(DTPicker1, "DTPicker1", 4800, 1320, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(kCancelledReportButtons);
  // Narrower names than the list's designed 5001 twips, so that the amounts are in view without
  // scrolling the list sideways.
  makeList({{.head = "Sl No", .width = 700},
            {.head = "Patient Name / ID", .width = 3500},
            {.head = "Bill No", .width = 1000},
            {.head = "Total Amt", .width = 1440}},
           kCancelledReportList);
  makeTotal(kCancelledReportTotal);
  SetCaption(QString::fromLatin1(TestBillConfigOf(kind_).cancelReportCaption));
}

void TestCancelReportForm::LoadMenuForm() {
  if (!noteBillsAtLoad([](BillKind kind) { return NoteCancelledAtLoad(gCon, kind); })) return;
  if (noBillAtLoad()) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
  }
}

void TestCancelReportForm::Picture1_Click() {
  std::vector<CancelledTestBill> bills;
  if (!readReport([&] { bills = CancelledTestBills(gCon, BillKindOf(kind_), DTPicker1.date(), rowsAtLoad()); }))
    return;
  showReport(CancelledTestRows(bills, DTPicker1.date()));
}

void TestCancelReportForm::Picture2_Click() {
  PrintCancelledBillReport(List, ReportTotal, DTPicker1.date(),
                           QString::fromLatin1(TestBillConfigOf(kind_).cancelReportTitle));
}
