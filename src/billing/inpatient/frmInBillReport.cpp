#include "billing/inpatient/frmInBillReport.h"

#include "billing/common/reportlayout.h"
#include "data/columns.h"
#include "data/reports.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"

InBillReportForm::InBillReportForm(InReportKind kind) : kind_(kind) {
  const bool period = kind_ == InReportKind::Period;
  SetCaption(period ? QStringLiteral("          Genarate In-Patient Weekly/Monthly/Yearly Bill Report")
                    : QStringLiteral("                   Daily Collection In-Patient-Bill Report"));
  if (period) {
    setObjectName(QStringLiteral("frmInBillReportAll"));
    makeLabel(QStringLiteral("Date"), 3120, 1320, 710);
    makePicker(DTPicker1, "DTPicker1", 4080, 1320);
    makeLabel(QStringLiteral("to"), 6120, 1320, 410);
    makePicker(DTPicker2.emplace(this), "DTPicker2", 6840, 1320);
    // The second day follows the first in the tab order, before the check boxes.
    setTabOrder(&DTPicker1, &*DTPicker2);
    guardPicker(DTPicker1, QStringLiteral("You cannt select for Future Date"));
    guardPicker(*DTPicker2, QStringLiteral("You cannt select for Future Date"));
  } else {
    setObjectName(QStringLiteral("frmInBillReport"));
    makeLabel(QStringLiteral("Date"), 3960, 1320, 710);
    makePicker(DTPicker1, "DTPicker1", 4800, 1320);
    guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
  }
  const double boxesLeft = period ? 9000 : 7200;
  CheckBox1.setText(QStringLiteral("ECG"));
  CheckBox1.setObjectName(QStringLiteral("CheckBox1"));
  MoveTwips(&CheckBox1, boxesLeft, 1320, 1335, 300);
  CheckBox2.setText(QStringLiteral("SCAN"));
  CheckBox2.setObjectName(QStringLiteral("CheckBox2"));
  MoveTwips(&CheckBox2, boxesLeft, 1680, 1455, 300);

  if (period)
    makeButtons(5160, 2040, 7440, 2040, 9600, 8280, 10800, 8160);
  else
    makeButtons(4680, 2280, 6480, 2280, 9240, 8280, 10560, 8160);
  makeList({QStringLiteral("Sl No"),
            period ? QStringLiteral("Bill-No / Patient Name / Date") : QStringLiteral("Bill-No / Patient Name"),
            QStringLiteral("Amount")},
           {700, 5000, 1000}, {2}, period ? 2760 : 2280, period ? 2760 : 2880, 6810, 4815);
  if (period)
    makeTotal(7200, 8400, 8040, 8350);
  else
    makeTotal(6840, 8400, 7560, 8370);
}

InBillReportForm::~InBillReportForm() = default;

void InBillReportForm::LoadMenuForm() {
  noteValidBillsAtLoad(QString::fromLatin1(cols::InPatientPrintDetails::kTable));
}

CollectionMode InBillReportForm::mode() const {
  return CollectionModeOf(CheckBox1.isChecked(), CheckBox2.isChecked());
}

QDate InBillReportForm::lastDay() const {
  return kind_ == InReportKind::Period ? DTPicker2->date() : DTPicker1.date();
}

void InBillReportForm::Picture1_Click() {
  if (kind_ == InReportKind::Period && DTPicker1.date() > DTPicker2->date()) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  const QDate from = DTPicker1.date();
  const QDate to = lastDay();
  const CollectionMode selection = mode();
  if (!readReportRecordset(InValidBillsOfDaysRead(selection), {from, to, LastRowAtLoad, RowsAtLoadBetween(from, to)})) return;
  showReport(InCollectionRows(*ReportRecordset, kind_, from, to, selection));
}

void InBillReportForm::Picture2_Click() {
  // The rows are the ones generated; the date line and the title follow the controls now.
  const bool period = kind_ == InReportKind::Period;
  CollectionReport report =
      StandardCollectionReport(period ? kRangeDateLineX : kDayDateLineX,
                               period ? RangeDateLine(DTPicker1.date(), DTPicker2->date())
                                      : DayDateLine(DTPicker1.date()),
                               InReportTitle(mode()));
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

frmInBillReport::frmInBillReport() : InBillReportForm(InReportKind::Daily) {}
