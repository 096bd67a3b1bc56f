// The benchmark's file maker and its table of forms, run once on a small file: every form opens,
// every measured action runs, the reports list what the same selection gives the sqlite3 shell
// and the bills are stored.
#include <QFile>

#include "benchforms.h"
#include "globals.h"
#include "scale_db.h"
#include "support/fixture.h"

namespace {

class ScaleTest : public HalvionTest {
protected:
  void makeFile(double factor) {
    QFile::remove(dbPath());
    WriteScaleDatabase(dbPath(), ScaledCounts(factor), 14);
  }
};

TEST_F(ScaleTest, TheFileHoldsTheScaledRowsAndTheSameSeedGivesTheSameFile) {
  makeFile(0.001);
  EXPECT_EQ(scalar("SELECT count(*) FROM OutPatientPrintDetails"), "1000");
  EXPECT_EQ(scalar("SELECT count(*) FROM SettingsOutPatient"), "500");
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "1000");
  // Ten years of bills, the last on the benchmark's today.
  EXPECT_EQ(scalar("SELECT max(Date) FROM OutPatientPrintDetails"), "2026-12-10");
  EXPECT_EQ(scalar("SELECT min(Date) BETWEEN '2016-12-11' AND '2016-12-31' FROM OutPatientPrintDetails"), "1");
  EXPECT_EQ(scalar("SELECT count(DISTINCT BillNo) FROM LabPrintDetails"), "100");
  EXPECT_EQ(scalar("SELECT max(c) <= 5 AND min(c) >= 1 FROM (SELECT count(*) c FROM LabPrintDetails GROUP BY BillNo)"), "1");
  // Some cancelled bills and some with ECG fees, as the reports need.
  EXPECT_NE(scalar("SELECT count(*) FROM OutPatientPrintDetails WHERE BillDelete='Deleted'"), "0");
  EXPECT_NE(scalar("SELECT count(*) FROM OutPatientPrintDetails WHERE ECG <> ''"), "0");

  QFile first(dbPath());
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QByteArray bytes = first.readAll();
  first.close();
  makeFile(0.001);
  QFile second(dbPath());
  ASSERT_TRUE(second.open(QIODevice::ReadOnly));
  EXPECT_TRUE(bytes == second.readAll());
}

TEST_F(ScaleTest, EveryBenchmarkedFormOpensAndEveryActionRuns) {
  makeFile(0.01);
  boxes().allowAny(vbYes);
  gCon = openDb();
  const QString outBills = scalar("SELECT count(*) FROM OutPatientPrintDetails");
  const QString inBills = scalar("SELECT count(*) FROM InPatientPrintDetails");
  const QString labBills = scalar("SELECT count(DISTINCT BillNo) FROM LabPrintDetails");
  const QString xrayBills = scalar("SELECT count(DISTINCT BillNo) FROM XRayPrintDetails");
  int reports = 0;
  for (const BenchForm& form : BenchForms(DefaultBenchDays())) {
    SCOPED_TRACE(form.name.toStdString());
    VbForm* f = form.open();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    CloseForm(f);
    for (const BenchAction& action : form.actions) {
      SCOPED_TRACE(action.what.toStdString());
      f = form.open();
      ASSERT_NE(f, nullptr);
      if (action.prepare) action.prepare(f, 0);
      boxes().clearShown();
      action.act(f, 0);
      SettleEvents();
      if (action.check) {
        EXPECT_EQ(action.check(f, 0), QString());
      }
      if (action.target == BenchTarget::PrintSave) {
        EXPECT_TRUE(boxes().prompts().contains("Bill Printed and Saved Successfully"))
            << boxes().prompts().join(" / ").toStdString();
      }
      if (action.listed) {
        ++reports;
        EXPECT_EQ(QString::number(action.listed(f)), scalar("SELECT count(*) FROM (" + action.selection + ")"));
      }
      CloseForm(f);
    }
  }
  EXPECT_GE(reports, 5);
  EXPECT_EQ(scalar("SELECT count(*) FROM OutPatientPrintDetails"), QString::number(outBills.toInt() + 1));
  EXPECT_EQ(scalar("SELECT count(*) FROM InPatientPrintDetails"), QString::number(inBills.toInt() + 1));
  EXPECT_EQ(scalar("SELECT count(DISTINCT BillNo) FROM LabPrintDetails"), QString::number(labBills.toInt() + 1));
  EXPECT_EQ(scalar("SELECT count(DISTINCT BillNo) FROM XRayPrintDetails"), QString::number(xrayBills.toInt() + 1));
  EXPECT_EQ(endCount(), 0);
}

}  // namespace
