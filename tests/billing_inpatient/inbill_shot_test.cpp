// Pictures of the two bill forms with a bill on them, for a person to look at. Taken only when
// HALVION_SHOTS names a folder.
#include <gtest/gtest.h>

#include <QDir>

#include "inbill_support.h"

namespace {

using InBillShot = InBillTest;

TEST_F(InBillShot, BothFormsWithABill) {
  const QString dir = qEnvironmentVariable("HALVION_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "HALVION_SHOTS is not set";
  QDir().mkpath(dir);

  frmInBill* f = open();
  choosePatient(f, "IP12");
  type(f->cmbDrName, "Dr.Z");
  type(f->Text1[0], "1000");
  type(f->Text1[1], "250.5");
  type(f->Text1[7], "150");
  click(f->Picture1);
  f->CheckBox1->setChecked(true);
  EXPECT_TRUE(f->FormWindow()->grab().save(QDir(dir).filePath("ipbill.png")));

  auto* r = open<frmReprintInBill>();
  choosePatient(r, "IP11");
  type(r->Text2, "Oxygen");
  type(r->Text1[9], "75");
  r->CheckBox2->setChecked(true);
  click(r->Picture1);
  EXPECT_TRUE(r->FormWindow()->grab().save(QDir(dir).filePath("reprint.png")));
}

}  // namespace
