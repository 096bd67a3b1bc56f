// Pictures of the laboratory and x-ray forms with data on them, for a person to look at. Taken
// only when HALVION_SHOTS names a folder.
#include <gtest/gtest.h>

#include <QDir>

#include "labxray_support.h"

namespace {

using LabXRayShot = LabXRayTest;

TEST_F(LabXRayShot, EveryForm) {
  const QString dir = qEnvironmentVariable("HALVION_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "HALVION_SHOTS is not set";
  QDir().mkpath(dir);
  auto save = [&dir](VbForm* f, const char* name) {
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->FormWindow()->grab().save(QDir(dir).filePath(QString::fromLatin1(name) + ".png")));
  };

  insertLine("LabPrintDetails", 3, "2026-12-09", "CBC", "150", "155", "Tara", "OP21");
  insertLine("LabPrintDetails", 3, "2026-12-09", "Sugar", "5", "155", "Tara", "OP21");
  insertLine("XRayPrintDetails", 4, "2026-12-10", "XRay-Chest", "400", "360", "Ravi", "IP10", "Deleted");
  insertLine("LabPrintDetails", 2, "2026-12-10", "CBC", "150", "150", "Noor", "OP22", "Deleted");

  auto* lab = open<frmLabBillReport>();
  type(lab->cmbPatientName, "OP21");
  type(lab->cmbDrName, "Dr.Z");
  addTests(lab, {"CBC", "Lipid Profile", "Sugar"});
  lab->CheckBox1->setChecked(true);
  save(lab, "frmLabBillReport");

  auto* xray = open<frmXRayBillReport>();
  type(xray->cmbPatientName, "IP10");
  addTests(xray, {"Chest", "Hand"});
  save(xray, "frmXRayBillReport");

  auto* cancel = open<frmCancelLabBill>();
  cancel->cmbBillNumber->setFocus();
  type(cancel->cmbBillNumber, "3");
  save(cancel, "frmCancelLabBill");
  save(open<frmCancelXRayBill>(), "frmCancelXRayBill");

  auto* period = open<frmLabBillReportAll>();
  period->DTPicker1->setDate({2026, 12, 1});
  click(period->Picture1);
  save(period, "frmLabBillReportAll");
  save(open<frmXayBillReportAll>(), "frmXayBillReportAll");

  auto* cancelled = open<frmCancelLabBillReport>();
  click(cancelled->Picture1);
  save(cancelled, "frmCancelLabBillReport");
  auto* cancelledX = open<frmCancelXRayBillReport>();
  click(cancelledX->Picture1);
  save(cancelledX, "frmCancelXRayBillReport");
}

}  // namespace
