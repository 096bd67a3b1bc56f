// Another program reads the database file across the save of a printed bill (a back-up script,
// a report tool, the sqlite3 shell): the sheet is out, so the save waits for the read to end,
// with the wait cursor shown, and stores the bill under the number the paper carries.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include "billing/outpatient/billform.h"
#include "platform/waitcursor.h"

namespace {

class ReaderAcrossTheSave : public BillFormTest {
protected:
  void TearDown() override {
    SetWaitCursorHandler({});
    if (reader.state() != QProcess::NotRunning) {
      reader.kill();
      reader.waitForFinished();
    }
    BillFormTest::TearDown();
  }
  QProcess reader;
};

TEST_F(ReaderAcrossTheSave, APrintedBillWaitsForTheReadToEndAndIsStoredUnderItsNumber) {
  ASSERT_TRUE(open());
  makeBill();
  const QString number = form->Label2.text();
  ASSERT_EQ(number, "1");
  QStringList cursor;
  SetWaitCursorHandler([&](bool shown) { cursor << (shown ? "shown" : "gone"); });

  // The shell's transaction holds the file's read lock from its first select to its commit, for
  // 6 s after it says it is reading: longer than the busy timeout a writer in the way gets.
  const QString reading = folder() + "/reading";
  reader.start("sqlite3", {dbPath()});
  ASSERT_TRUE(reader.waitForStarted());
  reader.write(("BEGIN;\nSELECT count(*) FROM OutPatientPrintDetails;\n.shell touch " + reading +
                "\n.shell sleep 6\nCOMMIT;\n")
                   .toUtf8());
  reader.closeWriteChannel();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(reading); }, 10000)) << "the shell never read";

  QElapsedTimer clock;
  clock.start();
  printAndSave();
  const qint64 waited = clock.elapsed();
  ASSERT_TRUE(reader.waitForFinished(10000));
  EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();

  EXPECT_GT(waited, 3000) << "the read did not last across the save";
  EXPECT_EQ(boxes().prompts(), QStringList({"Do you wish to Print this Bill", "Bill Printed and Saved Successfully"}));
  EXPECT_EQ(printer().EndDocCount(), 1);
  EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || PatientID) FROM OutPatientPrintDetails"), "1 OP12");
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), number);
  EXPECT_EQ(cursor, QStringList({"shown", "gone"})) << "the clerk saw no wait cursor while the save waited";
}

}  // namespace
