#include "billing/outpatient/frmCancelOutBillReport.h"

#include "billing/common/reportlayout.h"
#include "data/columns.h"
#include "data/reports.h"
#include "framework/formdesign.h"
#include "framework/mainmenus.h"
#include "globals.h"
#include "platform/msgbox.h"

frmCancelOutBillReport::frmCancelOutBillReport() {
  setObjectName(QStringLiteral("frmCancelOutBillReport"));
  makeLabel(QStringLiteral("Date"), 3960, 1320, 800);
  DTPicker1 = makePicker("DTPicker1", 4800, 1320);
  guardPicker(DTPicker1, QStringLiteral("You cannt Select for Future Date"));
  makeButtons(4800, 2040, 6600, 2040, 9240, 8280, 10560, 8160);
  makeList({QStringLiteral("Sl No"), QStringLiteral("Patient Name / ID"), QStringLiteral("Bill No"),
            QStringLiteral("Total Amt")},
           {800, 3300, 1200, 1300}, {2, 3}, 2280, 2880, 6810, 4815);
  makeTotal(6840, 8400, 7560, 8370);
}

frmCancelOutBillReport::~frmCancelOutBillReport() = default;

void frmCancelOutBillReport::Form_Load() {
  HideMainMenus(CurrentUserTypeBox());
  setPickerToday(DTPicker1);
  gActiveForm = this;
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 9795, 11745,
             QStringLiteral("                  Cancel Out-Patient-Bill Report"), &Image1);
  CenterForm();
  setPickerToday(DTPicker1);
  loadPictures();

  noteLastRow(QString::fromLatin1(cols::OutPatientPrintDetails::kTable));
  // Whether any bill was cancelled at all; Generate reads the cancelled bills of its day alone.
  if (!openReportRecordset(OutAnyCancelledBillSql())) return;
  if (ReportRecordset->RecordCount() == 0) {
    MsgBox(QStringLiteral("No Cancel Bill"), vbCritical, QStringLiteral("Warning"));
    Hide();
    Unload();
  }
}

void frmCancelOutBillReport::Picture1_Click() {
  if (!readReportRecordset(OutCancelledBillsOfDaySql(), {DTPicker1->date(), LastRowAtLoad}))
    return;
  showReport(CancelledBillRows(*ReportRecordset, DTPicker1->date()));
}

void frmCancelOutBillReport::Picture2_Click() {
  CollectionReport report;
  report.dateLineX = kDayDateLineX;
  report.dateLine = DayDateLine(DTPicker1->date());
  report.title = QStringLiteral("CANCEL OUT-PATIENT BILL REPORT");
  report.heads = {{QStringLiteral("Sl no."), 800},
                  {QStringLiteral("Patient Name - ID"), 4000},
                  {QStringLiteral("Bill No"), 7800},
                  {QStringLiteral("Amount."), 9200}};
  report.columns = {{800, false}, {4000, false}, {kBillNoRightX, true}, {kAmountRightX, true}};
  report.rows = ReportRowsOf(List, 4);
  report.total = ReportTotal;
  PrintCollectionReport(report);
}
