// Pictures of the cancellation and report forms with bills on them, for a person to look at.
// Taken only when HALVION_SHOTS names a folder.
#include <QDir>

#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "ipreports.h"

namespace {

using InReportsShot = InReportsTest;

TEST_F(InReportsShot, EveryForm) {
  const QString dir = qEnvironmentVariable("HALVION_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "HALVION_SHOTS is not set";
  QDir().mkpath(dir);
  insert({
      {"41", "2026-12-09", "", "", "1200", "Ravi Kumar", "IP10"},
      {"42", "2026-12-09", "150", "", "250.5", "Meena", "IP11"},
      {"43", "2026-12-10", "", "", "300", "Arun", "IP12"},
      {"44", "2026-12-10", "", "", "-500", "Sita", "IP13"},
      {"39", "2026-12-09", "", "", "80", "Kiran", "IP14", "Deleted"},
  });
  exec("UPDATE InPatientPrintDetails SET BedCharges='1000', ProfessionalCharges='250.5', NursingCharges='75',"
       " OTCharges='', AnestheticCharges='40', Others='oxygen' WHERE BillNo=41");
  auto save = [&](VbForm* f, const char* name) {
    EXPECT_TRUE(f->FormWindow()->grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
  };

  auto* c = open<frmCancelInBill>();
  ASSERT_TRUE(c);
  QTest::keyClicks(c->cmbBillNumber, "41");
  save(c, "frmCancelInBill.png");
  c->Unload();

  auto* d = open<frmInBillReport>();
  ASSERT_TRUE(d);
  d->DTPicker1->setDate(QDate(2026, 12, 9));
  click(d->Picture1);
  save(d, "frmInBillReport.png");
  d->Unload();

  auto* p = open<frmInBillReportAll>();
  ASSERT_TRUE(p);
  p->DTPicker1->setDate(QDate(2026, 12, 1));
  click(p->Picture1);
  save(p, "frmInBillReportAll.png");
  p->Unload();

  auto* r = open<frmCancelInBillReport>();
  ASSERT_TRUE(r);
  r->DTPicker1->setDate(QDate(2026, 12, 9));
  click(r->Picture1);
  save(r, "frmCancelInBillReport.png");
}

}  // namespace
