#pragma once
// Every report form of the program, over a database where each has one row to list today and
// one yesterday: for the checks that hold for all of them alike.
#include <QApplication>
#include <QDateEdit>
#include <functional>
#include <ostream>
#include <vector>

#include "billing/common/reportform.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testreportforms.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

struct ReportFormCase {
  const char* name;
  const char* table;  // what the report reads
  std::function<BillReportForm*()> open;
};
inline void PrintTo(const ReportFormCase& c, std::ostream* os) { *os << c.name; }

template <class F>
std::function<BillReportForm*()> ReportOpener() {
  return [] { return static_cast<BillReportForm*>(ShowForm<F>()); };
}

inline std::vector<ReportFormCase> AllReportForms() {
  return {
      {"OutDaily", "OutPatientPrintDetails", ReportOpener<frmOutBillReport>()},
      {"OutPeriod", "OutPatientPrintDetails", ReportOpener<frmOutBillReportAll>()},
      {"OutCancelled", "OutPatientPrintDetails", ReportOpener<frmCancelOutBillReport>()},
      {"ConsultantFee", "SettingsConsultant", ReportOpener<frmConsultantBillReportAll>()},
      {"InDaily", "InPatientPrintDetails", ReportOpener<frmInBillReport>()},
      {"InPeriod", "InPatientPrintDetails", ReportOpener<frmInBillReportAll>()},
      {"InCancelled", "InPatientPrintDetails", ReportOpener<frmCancelInBillReport>()},
      {"LabPeriod", "LabPrintDetails", ReportOpener<frmLabBillReportAll>()},
      {"LabCancelled", "LabPrintDetails", ReportOpener<frmCancelLabBillReport>()},
      {"XRayPeriod", "XRayPrintDetails", ReportOpener<frmXayBillReportAll>()},
      {"XRayCancelled", "XRayPrintDetails", ReportOpener<frmCancelXRayBillReport>()},
  };
}

class AllReportsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Each bill table: a valid and a cancelled bill today (150) and yesterday (40).
    exec("INSERT INTO OutPatientPrintDetails VALUES "
         "(1, '2026-12-10', '150', '', '', '', '', '', '', '150', 'Anu', 'OP1', 'Available'), "
         "(2, '2026-12-09', '40', '', '', '', '', '', '', '40', 'Binu', 'OP2', 'Available'), "
         "(3, '2026-12-10', '150', '', '', '', '', '', '', '150', 'Cini', 'OP3', 'Deleted'), "
         "(4, '2026-12-09', '40', '', '', '', '', '', '', '40', 'Dinu', 'OP4', 'Deleted')");
    exec("INSERT INTO InPatientPrintDetails (BillNo, Date, BedCharges, total, patientName, patientid, BillDelete, "
         "Advance) VALUES "
         "(1, '2026-12-10', '150', '150', 'Anu', 'IP1', 'Available', '0'), "
         "(2, '2026-12-09', '40', '40', 'Binu', 'IP2', 'Available', '0'), "
         "(3, '2026-12-10', '150', '150', 'Cini', 'IP3', 'Deleted', '0'), "
         "(4, '2026-12-09', '40', '40', 'Dinu', 'IP4', 'Deleted', '0')");
    for (const char* table : {"LabPrintDetails", "XRayPrintDetails"})
      exec(QStringLiteral("INSERT INTO %1 VALUES "
                          "(1, '2026-12-10', 'Test', '150', '0', '150', '150', 'Anu', 'OP1', 'Available'), "
                          "(2, '2026-12-09', 'Test', '40', '0', '40', '40', 'Binu', 'OP2', 'Available'), "
                          "(3, '2026-12-10', 'Test', '150', '0', '150', '150', 'Cini', 'OP3', 'Deleted'), "
                          "(4, '2026-12-09', 'Test', '40', '0', '40', '40', 'Dinu', 'OP4', 'Deleted')")
               .arg(QLatin1String(table)));
    exec("INSERT INTO SettingsConsultant VALUES ('2026-12-10', 'Dr. A', '150', 'OP1'), "
         "('2026-12-09', 'Dr. A', '40', 'OP2')");
    gCon = openDb();
  }

  // Each item of the list as its texts joined by " | ".
  static QStringList listed(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      QStringList texts;
      for (int c = 0; c < list->columnCount(); ++c) texts << list->topLevelItem(i)->text(c);
      out << texts.join(" | ");
    }
    return out;
  }
  // The form's pickers on this day: the first day first, so that a range is never reversed.
  static void pickDay(BillReportForm* form, const QDate& day) {
    for (const char* name : {"DTPicker1", "DTPicker2"})
      if (auto* picker = form->findChild<QDateEdit*>(QLatin1String(name))) picker->setDate(day);
  }
};
