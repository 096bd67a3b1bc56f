// The print button of the test bills: the question, the sheets, the store of every line with the
// counter in one transaction, the copies that store nothing, and failures that store nothing.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "billing/inpatient/frmInBill.h"
#include "labxray_support.h"

namespace {

using TestBillPrintTest = LabXRayTest;

const char* const kPrinterMessage = "Please Check the Printer is Correctly Installed";

TEST_F(TestBillPrintTest, FirstPrintStoresEveryLineOnceCopiesStoreNothing) {
  exec("UPDATE SettingsXRayBillNo SET BillNo=41");
  auto* f = open<frmXRayBillReport>();
  EXPECT_EQ(f->Label2.text(), "42");
  boxes().expect("Please add the Amount", "Warning", vbCritical);
  Click(f->Picture2);

  TypeKeys(f->cmbPatientName, "OP21");
  TypeKeys(f->cmbDrName, "Dr.A");
  addTests(f, {"Chest", "Hand", "Chest"});
  TypeOver(f->txtDiscount, "10");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbNo);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(rows("SELECT * FROM XRayPrintDetails"), QStringList{});

  expectPrintAndSave();
  Click(f->Picture2);
  EXPECT_TRUE(f->BillPrinted);
  EXPECT_EQ(printer().EndDocCount(), 1);
  EXPECT_TRUE(printer().Find("Name  :  Tara ( OP21 )"));
  EXPECT_TRUE(printer().Find("Dr.Amal"));
  EXPECT_TRUE(printer().Find("XRay-Hand"));
  EXPECT_EQ(rows("SELECT * FROM XRayPrintDetails"),
            (QStringList{"42|10/12/2026|XRay-Chest|250|10|680|612|Tara|OP21|Available",
                         "42|10/12/2026|XRay-Hand|180|10|680|612|Tara|OP21|Available",
                         "42|10/12/2026|XRay-Chest|250|10|680|612|Tara|OP21|Available"}));
  EXPECT_EQ(scalar("SELECT BillNo FROM SettingsXRayBillNo"), "42");

  // a copy with another discount: the paper changes, the stored bill does not
  TypeOver(f->txtDiscount, "0");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 2);
  EXPECT_EQ(f->txtTotal.text(), "680");
  EXPECT_EQ(rows("SELECT DISTINCT total FROM XRayPrintDetails"), QStringList{"612"});
  EXPECT_EQ(rows("SELECT count(*) FROM XRayPrintDetails"), QStringList{"3"});

  boxes().expect("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print", "Warning",
                 vbCritical);
  Click(f->Picture1);

  Click(f->Picture4);  // new bill
  EXPECT_EQ(f->Label2.text(), "43");
  EXPECT_EQ(f->txtDiscount.text(), "0");
  EXPECT_EQ(f->cmbPatientName.currentText(), "");
  EXPECT_EQ(f->PatientAge, "");
  EXPECT_EQ(f->List.topLevelItemCount(), 0);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestBillPrintTest, WithoutDiscountTheNetIsTheGrossText) {
  auto* f = open<frmLabBillReport>();
  addTests(f, {"Lipid Profile"});
  expectPrintAndSave();
  Click(f->Picture2);
  // nobody chosen: the bill carries empty patient texts
  EXPECT_EQ(rows("SELECT Amount, Discount, GrossTotal, total, patientName, patientid FROM LabPrintDetails"),
            QStringList{"152.50|0|152.5|152.5||"});
  EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"1"});
}

TEST_F(TestBillPrintTest, AnEmptiedChooserPrintsNoEarlierPatient) {
  auto* f = open<frmLabBillReport>();
  f->CheckBox1.setChecked(true);
  TypeKeys(f->cmbPatientName, "IP10");
  f->cmbPatientName.setEditText(QString());
  EXPECT_EQ(f->txtPatientID.text(), "");
  addTests(f, {"CBC"});
  expectPrintAndSave();
  Click(f->Picture2);
  EXPECT_TRUE(printer().Find("Name  :   (  )"));
  EXPECT_FALSE(printer().Find("12 Hill Road"));
  EXPECT_FALSE(printer().Find("Male"));
}

TEST_F(TestBillPrintTest, LabNumbersFromOneAgainAfterADeclinedPrintXRayGoesOn) {
  const struct {
    bool xray;
    const char* third;
  } cases[] = {{false, "01"}, {true, "03"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xray ? "x-ray" : "lab");
    ResetForms();
    TestBillForm* f = c.xray ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                             : static_cast<TestBillForm*>(open<frmLabBillReport>());
    const QString test = c.xray ? "Hand" : "CBC";
    addTests(f, {test, test});
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbNo);
    Click(f->Picture2);
    addTests(f, {test});
    EXPECT_EQ(f->List.topLevelItem(2)->text(0), QString::fromLatin1(c.third));
  }
}

TEST_F(TestBillPrintTest, ElevenLinesGoOnTwoSheets) {
  auto* f = open<frmLabBillReport>();
  for (int i = 0; i < 11; ++i) addTests(f, {"CBC"});
  TypeOver(f->txtDiscount, "20");
  expectPrintAndSave();
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 2);
  const auto sheets = printer().Sheets();
  ASSERT_EQ(sheets.size(), 2u);
  auto has = [](const std::vector<PrintedItem>& sheet, const QString& text) {
    for (const PrintedItem& item : sheet)
      if (item.text == text) return true;
    return false;
  };
  EXPECT_TRUE(has(sheets[0], "10"));
  EXPECT_FALSE(has(sheets[0], "11"));
  EXPECT_TRUE(has(sheets[1], "11"));
  EXPECT_TRUE(has(sheets[1], "Discount 20 %"));
  EXPECT_EQ(f->txtTotal.text(), "1320");
  EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails WHERE BillNo=1"), QStringList{"11"});
}

TEST_F(TestBillPrintTest, AFailedPrintOrSaveStoresNothingAndARetryStoresOnce) {
  struct Fault {
    const char* name;
    int printerFailsAt;
    const char* trigger;
    const char* says;
  };
  const Fault faults[] = {
      {"printer fails while setting up", 1, "", kPrinterMessage},
      {"printer fails on the sheet", 12, "", kPrinterMessage},
      // the sheet is out: the box says the save failed, not the printer
      {"second line refused", 0,
       "CREATE TRIGGER fault BEFORE INSERT ON LabPrintDetails WHEN (SELECT count(*) FROM LabPrintDetails) >= 1 "
       "BEGIN SELECT RAISE(ABORT, 'disk full'); END",
       "The bill was printed but not saved: Cannot add the row: disk full\r\n"
       "Print it again to save it under the same number."},
      {"counter refused", 0,
       "CREATE TRIGGER fault BEFORE UPDATE ON SettingsLabBillNo BEGIN SELECT RAISE(ABORT, 'disk full'); END",
       "The bill was printed but not saved: Cannot change the row: disk full\r\n"
       "Print it again to save it under the same number."},
  };
  for (const Fault& c : faults) {
    SCOPED_TRACE(c.name);
    ResetForms();
    exec("DELETE FROM LabPrintDetails; UPDATE SettingsLabBillNo SET BillNo=6");
    auto* f = open<frmLabBillReport>();
    TypeKeys(f->cmbPatientName, "OP21");
    addTests(f, {"CBC", "Sugar"});
    if (*c.trigger) exec(QString::fromLatin1(c.trigger));
    if (c.printerFailsAt) printer().FailAt(c.printerFailsAt);
    if (c.printerFailsAt != 1) boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect(QString::fromLatin1(c.says), c.says == kPrinterMessage ? "" : "Print Info", vbCritical);
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_FALSE(f->BillPrinted);
    EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails"), QStringList{"0"});
    EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"6"});
    if (*c.trigger) exec("DROP TRIGGER fault");

    expectPrintAndSave();
    Click(f->Picture2);
    EXPECT_TRUE(f->BillPrinted);
    EXPECT_EQ(rows("SELECT Description, BillNo FROM LabPrintDetails"), (QStringList{"CBC|7", "Sugar|7"}));
    EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"7"});
  }
}

// The database refuses the bill's number its hold before the sheet goes out: writes refused on
// the form's connection (a file turned read-only), or another program holding the file's write
// lock. Nothing is printed, the database's words are shown, and the next print saves the bill.
TEST_F(TestBillPrintTest, ABillTheDatabaseRefusesIsNotPrintedAndTheNextPrintSavesIt) {
  const struct {
    bool xray;
    bool locked;  // else writes refused
    const char* says;
  } cases[] = {
      {false, false, "attempt to write a readonly database"},
      {true, false, "attempt to write a readonly database"},
      {false, true, "the database is locked"},
      {true, true, "the database is locked"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.xray ? "x-ray, " : "lab, ") + c.says);
    ResetForms();
    const char* table = c.xray ? "XRayPrintDetails" : "LabPrintDetails";
    const char* counter = c.xray ? "SettingsXRayBillNo" : "SettingsLabBillNo";
    exec(QStringLiteral("DELETE FROM %1; UPDATE %2 SET BillNo=6").arg(table, counter));
    TestBillForm* f = c.xray ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                             : static_cast<TestBillForm*>(open<frmLabBillReport>());
    TypeKeys(f->cmbPatientName, "OP21");
    addTests(f, c.xray ? QStringList{"Chest", "Hand"} : QStringList{"CBC", "Sugar"});
    ASSERT_EQ(f->Label2.text(), "7");

    sqlite3* holder = nullptr;
    if (c.locked) {
      ASSERT_EQ(sqlite3_open_v2(dbPath().toUtf8().constData(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
      ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
      sqlite3_exec(gCon->handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    }
    const int sheets = printer().EndDocCount();
    boxes().clearShown();
    boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().allowAny();
    Click(f->Picture2);
    boxes().strict();
    ASSERT_EQ(boxes().shown().size(), 2u);
    const ShownBox& said = boxes().shown()[1];
    EXPECT_TRUE(said.prompt.startsWith("Cannot begin a transaction: ")) << said.prompt.toStdString();
    EXPECT_TRUE(said.prompt.contains(QString::fromLatin1(c.says))) << said.prompt.toStdString();
    EXPECT_EQ(said.title, "");
    EXPECT_EQ(said.style, vbCritical);
    EXPECT_FALSE(f->BillPrinted);
    EXPECT_EQ(printer().EndDocCount(), sheets) << "no paper goes out for a bill that cannot be stored";

    if (holder) {
      sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
      sqlite3_close_v2(holder);
    } else {
      sqlite3_exec(gCon->handle(), "PRAGMA query_only=0", nullptr, nullptr, nullptr);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)), "0");
    EXPECT_EQ(scalar(QStringLiteral("SELECT BillNo FROM %1").arg(counter)), "6");

    boxes().clearShown();
    expectPrintAndSave();
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_TRUE(f->BillPrinted);
    EXPECT_EQ(printer().EndDocCount(), sheets + 1);
    const QStringList stored = c.xray ? QStringList{"7|XRay-Chest", "7|XRay-Hand"} : QStringList{"7|CBC", "7|Sugar"};
    EXPECT_EQ(rows(QStringLiteral("SELECT BillNo, Description FROM %1").arg(table)), stored);
    EXPECT_EQ(scalar(QStringLiteral("SELECT BillNo FROM %1").arg(counter)), "7");
  }
}

// The printer keeps its font from one print to the next: whatever printed before, every item of a
// test bill, on every sheet, is in the stationery's Arial 9 bold.
TEST_F(TestBillPrintTest, EveryItemPrintsInTheStationeryFontWhateverPrintedBefore) {
  insertLine("LabPrintDetails", 3, "2026-12-10", "CBC", "150", "150", "Tara", "OP21");
  const struct {
    const char* before;
    std::function<void()> print;
  } earlier[] = {
      {"an in-patient advance receipt",
       [&] {
         auto* in = open<frmInBill>();
         TypeKeys(in->cmbPatientName, "IP10");
         TypeKeys(in->txtAdvance, "300");
         Click(in->Picture1);
         expectPrintAndSave();
         Click(in->Picture2);
         UnloadForm<frmInBill>();
       }},
      {"a collection report",
       [&] {
         auto* report = open<frmLabBillReportAll>();
         report->DTPicker1.setDate(Today());
         report->DTPicker2.setDate(Today());
         Click(report->Picture1);
         Click(report->Picture2);
         UnloadForm<frmLabBillReportAll>();
       }},
      {"a print in another font",
       [&] {
         printer().SetFontName("Courier New");
         printer().SetFontSize(16);
         printer().SetFontBold(false);
         printer().Print("x");
         printer().EndDoc();
       }},
  };
  for (const auto& e : earlier) {
    for (bool xray : {false, true}) {
      SCOPED_TRACE(std::string(e.before) + (xray ? ", then an x-ray bill" : ", then a laboratory bill"));
      ResetForms();
      const std::size_t jobsBefore = printer().Jobs().size();
      e.print();
      ASSERT_GT(printer().Jobs().size(), jobsBefore);
      ASSERT_EQ(boxes().pending(), 0);

      const std::size_t first = printer().Jobs().size();
      TestBillForm* f = xray ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                             : static_cast<TestBillForm*>(open<frmLabBillReport>());
      TypeKeys(f->cmbPatientName, "IP10");
      f->CheckBox1.setChecked(true);
      for (int i = 0; i < 11; ++i) addTests(f, {xray ? "Chest" : "CBC"});
      TypeOver(f->txtDiscount, "10");
      expectPrintAndSave();
      Click(f->Picture2);
      ASSERT_EQ(printer().Jobs().size(), first + 2);
      int items = 0;
      for (std::size_t j = first; j < printer().Jobs().size(); ++j) {
        for (const PrintedItem& item : printer().Jobs()[j].items) {
          SCOPED_TRACE(item.text.toStdString());
          EXPECT_EQ(item.fontName, "Arial");
          EXPECT_EQ(item.fontSize, 9);
          EXPECT_TRUE(item.bold);
          ++items;
        }
      }
      EXPECT_GT(items, 40);
    }
  }
}

TEST_F(TestBillPrintTest, AMissingCounterRowIsMadeBySave) {
  exec("DELETE FROM SettingsLabBillNo");
  auto* f = open<frmLabBillReport>();
  EXPECT_EQ(f->Label2.text(), "1");
  addTests(f, {"CBC"});
  expectPrintAndSave();
  Click(f->Picture2);
  EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"1"});
  Click(f->Picture3);
  EXPECT_EQ(f->Label2.text(), "2");
}

}  // namespace
