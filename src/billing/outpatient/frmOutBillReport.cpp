#include "billing/outpatient/frmOutBillReport.h"

#include "billing/common/reportlayout.h"
#include "data/columns.h"
#include "data/reports.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"

OutBillReportForm::OutBillReportForm(OutReportKind kind) : kind_(kind) {
  const bool period = kind_ == OutReportKind::Period;
  SetCaption(period ? QStringLiteral("          Genarate Out-Patient Weekly/Monthly/Yearly Bill Report")
                    : QStringLiteral("                   Daily Collection Out-Patient-Bill Report"));
  if (period) {
    makeLabel(QStringLiteral("Date"), 3120, 1320, 900);
    makePicker(DTPicker1, "DTPicker1", 4080, 1320);
    makeLabel(QStringLiteral("to"), 6120, 1320, 600);
    makePicker(DTPicker2.emplace(this), "DTPicker2", 6840, 1320);
    // The second day follows the first in the tab order, before the check boxes.
    setTabOrder(&DTPicker1, &*DTPicker2);
    guardPicker(DTPicker1, QStringLiteral("You cannt select for Future Date"));
    guardPicker(*DTPicker2, QStringLiteral("You cannt select for Future Date"));
  } else {
    makeLabel(QStringLiteral("Date"), 3960, 1320, 800);
    makePicker(DTPicker1, "DTPicker1", 4800, 1320);
    guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
  }
  const double boxesLeft = period ? 4080 : 4800;
  CheckBox1.setText(QStringLiteral("ECG"));
  CheckBox1.setObjectName(QStringLiteral("CheckBox1"));
  MoveTwips(&CheckBox1, boxesLeft, 1800, 1100, 330);
  CheckBox2.setText(QStringLiteral("SCAN"));
  CheckBox2.setObjectName(QStringLiteral("CheckBox2"));
  MoveTwips(&CheckBox2, boxesLeft + 1300, 1800, 1100, 330);

  makeButtons(period ? 5160 : 4800, 2340, period ? 7440 : 6600, 2340, 9600, 8280, 10800, 8160);
  makeList({QStringLiteral("Sl No"),
            period ? QStringLiteral("Bill-No / Patient Name / Date") : QStringLiteral("Bill-No / Patient Name"),
            QStringLiteral("Amount")},
           {800, 4500, 1300}, {2}, 2760, 2940, 6810, 4815);
  makeTotal(7200, 8400, 8040, 8350);
}

OutBillReportForm::~OutBillReportForm() = default;

void OutBillReportForm::LoadMenuForm() {
  const bool period = kind_ == OutReportKind::Period;
  // The load only needs to know whether there is any valid bill; Generate reads the bills of its
  // days alone, in the same order, and lists them by the same rules.
  noteLastRow(QString::fromLatin1(cols::OutPatientPrintDetails::kTable));
  if (!openReportRecordset(OutAnyAvailableBillRead())) return;
  if (!period && ReportRecordset->RecordCount() == 0) {
    MsgBox(QStringLiteral("Please add the OutPatient Details First"), vbCritical, QStringLiteral("Warning"));
    CloseForm();
  }
}

void OutBillReportForm::Picture1_Click() {
  const CollectionMode mode = CollectionModeOf(CheckBox1.isChecked(), CheckBox2.isChecked());
  const QDate from = DTPicker1.date();
  const QDate to = kind_ == OutReportKind::Period ? DTPicker2->date() : from;
  if (from > to) {
    MsgBox(QStringLiteral("Please select Correct Date ! It must be lessthan Second Date"), vbCritical,
           QStringLiteral("Warning"));
    return;
  }
  if (!readReportRecordset(OutAvailableBillsOfDaysRead(mode), {from, to, LastRowAtLoad})) return;
  showReport(OutCollectionRows(*ReportRecordset, kind_, from, to, mode));
}

void OutBillReportForm::Picture2_Click() {
  const bool period = kind_ == OutReportKind::Period;
  CollectionReport report = StandardCollectionReport(
      period ? kRangeDateLineX : kDayDateLineX,
      period ? RangeDateLine(DTPicker1.date(), DTPicker2->date()) : DayDateLine(DTPicker1.date()),
      OutReportTitle(CollectionModeOf(CheckBox1.isChecked(), CheckBox2.isChecked())));
  report.rows = ReportRowsOf(&List, 3);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}

frmOutBillReport::frmOutBillReport() : OutBillReportForm(OutReportKind::Daily) {
  setObjectName(QStringLiteral("frmOutBillReport"));
}

frmOutBillReport::~frmOutBillReport() = default;
