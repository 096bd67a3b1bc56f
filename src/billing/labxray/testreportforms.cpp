#include "billing/labxray/testreportforms.h"

#include "billing/common/reportlayout.h"
#include "billing/labxray/testreports.h"
#include "data/reports.h"
#include "globals.h"
#include "platform/msgbox.h"

TestReportForm::TestReportForm(TestBillKind kind) : BillReportForm(kInAndTestReportSizes, SerialCounter), kind_(kind) {}

TestReportForm::~TestReportForm() = default;

void TestReportForm::picker(QDateEdit& p, const char* name, double left, double top, const QString& guardLine) {
  makePicker(p, name, left, top);
  p.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  guardPicker(p, guardLine);
}

bool TestReportForm::noteBillsAtLoad(bool cancelled) {
  const QString table = QString::fromLatin1(TablesOf(BillKindOf(kind_)).bills);
  if (cancelled ? noteCancelledBillsAtLoad(table) : noteValidBillsAtLoad(table)) return true;
  Unload();
  return false;
}

// The period report.

TestCollectionReportForm::TestCollectionReportForm(TestBillKind kind) : TestReportForm(kind) {
  makeLabel(QStringLiteral("Date"), 3120, 1320, 510);
  picker(DTPicker1, "DTPicker1", 4080, 1320, QStringLiteral("You cannt select for Future Date"));
  makeLabel(QStringLiteral("to"), 6120, 1320, 210);
  picker(DTPicker2, "DTPicker2", 6840, 1320, QStringLiteral("You cannt select for Future Date"));
  makeButtons(5160, 2040, 7440, 2040, 9600, 8280, 10800, 8160);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Bill-No / Patient Name / Date"), QStringLiteral("Amount")},
           {700, 5000, 1000}, {2}, 2760, 2760, 6810, 4815);
  makeTotal(7200, 8400, 8040, 8350);
  SetCaption(QString::fromLatin1(TestBillConfigOf(kind_).reportCaption));
}

void TestCollectionReportForm::LoadMenuForm() { noteBillsAtLoad(false); }

void TestCollectionReportForm::Picture1_Click() {
  if (DTPicker1.date() > DTPicker2.date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  if (!readReportRecordset(TestCollectionReportSql(QString::fromLatin1(TablesOf(BillKindOf(kind_)).bills)),
                           {DTPicker1.date(), DTPicker2.date(), LastRowAtLoad, RowsAtLoadBetween(DTPicker1.date(), DTPicker2.date())}))
    return;
  showReport(TestCollectionRows(*ReportRecordset, DTPicker1.date(), DTPicker2.date()));
}

void TestCollectionReportForm::Picture2_Click() {
  const TestBillConfig& texts = TestBillConfigOf(kind_);
  CollectionReport report = StandardCollectionReport(kRangeDateLineX, RangeDateLine(DTPicker1.date(), DTPicker2.date()),
                                                     QString::fromLatin1(texts.reportTitle));
  report.heads[1].text = QString::fromLatin1(texts.reportMiddleHead);
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

// The cancelled-bill report.

TestCancelReportForm::TestCancelReportForm(TestBillKind kind) : TestReportForm(kind) {
  makeLabel(QStringLiteral("Date"), 3960, 1320, 510);
  picker(DTPicker1, "DTPicker1", 4800, 1320, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(4800, 2040, 6600, 2040, 9240, 8280, 10560, 8160);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Patient Name / ID"), QStringLiteral("Bill No"),
            QStringLiteral("Total Amt")},
           // Narrower names than the list's designed 5001 twips, so that the amounts are in view
           // without scrolling the list sideways.
           {700, 3500, 1000, 1440}, {}, 2280, 2880, 6810, 4815);
  makeTotal(6840, 8400, 7560, 8370);
  SetCaption(QString::fromLatin1(TestBillConfigOf(kind_).cancelReportCaption));
}

void TestCancelReportForm::LoadMenuForm() {
  if (!noteBillsAtLoad(true)) return;
  if (ReportRecordset->RecordCount() == 0) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
  }
}

void TestCancelReportForm::Picture1_Click() {
  if (!readReportRecordset(TestCancelReportSql(QString::fromLatin1(TablesOf(BillKindOf(kind_)).bills)),
                           {DTPicker1.date(), RowsAtLoadBetween(DTPicker1.date(), DTPicker1.date())}))
    return;
  showReport(CancelledTestRows(*ReportRecordset, DTPicker1.date()));
}

void TestCancelReportForm::Picture2_Click() {
  CollectionReport report;
  report.dateLineX = kDayDateLineX;
  report.dateLine = DayDateLine(DTPicker1.date());
  report.title = QString::fromLatin1(TestBillConfigOf(kind_).cancelReportTitle);
  report.heads = {{QStringLiteral("Sl no."), 800},
                  {QStringLiteral("Patient Name - ID"), 4000},
                  {QStringLiteral("Bill No"), 7800},
                  {QStringLiteral("Amount."), 9200}};
  report.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
  report.rows = ReportRowsOf(&List, 4);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}
