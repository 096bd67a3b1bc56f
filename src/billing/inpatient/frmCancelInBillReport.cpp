#include "billing/inpatient/frmCancelInBillReport.h"

#include "billing/common/reportlayout.h"
#include "data/columns.h"
#include "data/reports.h"
#include "framework/formdesign.h"
#include "framework/mainmenus.h"
#include "globals.h"
#include "platform/msgbox.h"

frmCancelInBillReport::frmCancelInBillReport() {
  setObjectName(QStringLiteral("frmCancelInBillReport"));
  makeLabel(QStringLiteral("Date"), 3960, 1320, 710);
  DTPicker1 = makePicker("DTPicker1", 4800, 1320);
  guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(4800, 2040, 6600, 2040, 9240, 8280, 10560, 8160);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Patient Name"), QStringLiteral("Bill No"),
            QStringLiteral("Total Amt")},
           // The name column is narrower than the other reports' so that the amount is in sight
           // without scrolling.
           {700, 3500, 1000, 1440}, {}, 2280, 2880, 6810, 4815);
  makeTotal(6840, 8400, 7560, 8370);
}

frmCancelInBillReport::~frmCancelInBillReport() = default;

void frmCancelInBillReport::Form_Load() {
  HideMainMenus(CurrentUserTypeBox());
  setPickerToday(DTPicker1);
  gActiveForm = this;
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 9795, 11745,
             QStringLiteral("                  Cancel In-Patient-Bill Report"), &Image1);
  CenterForm();
  setPickerToday(DTPicker1);
  loadPictures();

  if (!noteCancelledBillsAtLoad(QString::fromLatin1(cols::InPatientPrintDetails::kTable))) return;
  if (ReportRecordset->RecordCount() == 0) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    Hide();
    Unload();
  }
}

void frmCancelInBillReport::Picture1_Click() {
  // The bills of the day that were cancelled when the form was loaded, in table order.
  if (!readReportRecordset(InCancelledBillsOfDaySql(), {DTPicker1->date(), RowsAtLoad}))
    return;
  showReport(CancelledInBillRows(*ReportRecordset, DTPicker1->date()));
}

void frmCancelInBillReport::Picture2_Click() {
  CollectionReport report;
  report.dateLineX = kDayDateLineX;
  report.dateLine = DayDateLine(DTPicker1->date());
  report.title = QStringLiteral("CANCEL IN-PATIENT BILL REPORT");
  report.heads = {{QStringLiteral("Sl no."), 800},
                  {QStringLiteral("Patient Name - ID"), 4000},
                  {QStringLiteral("Bill No"), 7800},
                  {QStringLiteral("Amount."), 9200}};
  report.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
  report.rows = ReportRowsOf(List, 4);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}
