// Pictures of the cancellation and report forms with something on them, for a person to look
// at. Taken only when HALVION_SHOTS names a folder.
#include <QDir>

#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "opreports.h"

namespace {

using ReportShots = OpReportsTest;

TEST_F(ReportShots, EveryFormWithItsRows) {
  const QString dir = qEnvironmentVariable("HALVION_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "HALVION_SHOTS is not set";
  QDir().mkpath(dir);
  insert({
      {41, "2026-12-10", "", "", "250", "Anitha Raman", "OP12"},
      {42, "2026-12-10", "150", "", "300.5", "Joseph K", "OP3"},
      {43, "2026-12-09", "", "", "75", "Meera", "OP7"},
      {44, "2026-12-10", "", "", "120", "Suresh", "OP9", "Deleted"},
  });
  exec("INSERT INTO SettingsConsultant VALUES ('2026-12-10', 'Dr. Anand', '350', 'IP12'), "
       "('2026-12-10', 'Dr. Meera', '200', 'OP3')");
  auto save = [&](VbForm* f, const char* name) {
    EXPECT_TRUE(f->FormWindow()->grab().save(QDir(dir).filePath(QString(name) + ".png")));
    f->Unload();
  };

  auto* cancel = open<frmCancelBill>();
  ASSERT_TRUE(cancel);
  type(cancel->cmbBillNumber, "42");
  save(cancel, "frmCancelBill");

  auto* daily = open<frmOutBillReport>();
  ASSERT_TRUE(daily);
  click(daily->Picture1);
  save(daily, "frmOutBillReport");

  auto* period = open<frmOutBillReportAll>();
  ASSERT_TRUE(period);
  period->DTPicker1->setDate(QDate(2026, 12, 1));
  click(period->Picture1);
  // The printed report too, as PDF sheets beside the pictures.
  auto pdf = std::make_shared<QtPrinter>();
  pdf->SetPdfOutput(QDir(dir).filePath("collectionreport"));
  SetPrinter(pdf);
  click(period->Picture2);
  EXPECT_EQ(pdf->PdfFiles().size(), 1);
  save(period, "frmOutBillReportAll");

  auto* cancelled = open<frmCancelOutBillReport>();
  ASSERT_TRUE(cancelled);
  click(cancelled->Picture1);
  save(cancelled, "frmCancelOutBillReport");

  auto* fees = open<frmConsultantBillReportAll>();
  ASSERT_TRUE(fees);
  click(fees->Picture1);
  save(fees, "frmConsultantBillReportAll");
}

}  // namespace
