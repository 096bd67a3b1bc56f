// The print button of the test bills: the question, the sheets, the store of every line with the
// counter in one transaction, the copies that store nothing, and failures that store nothing.
#include <gtest/gtest.h>

#include "labxray_support.h"

namespace {

using TestBillPrintTest = LabXRayTest;

const char* const kPrinterMessage = "Please Check the Printer is Correctly Installed";

TEST_F(TestBillPrintTest, FirstPrintStoresEveryLineOnceCopiesStoreNothing) {
  exec("UPDATE SettingsXRayBillNo SET BillNo=41");
  auto* f = open<frmXRayBillReport>();
  EXPECT_EQ(f->Label2->text(), "42");
  boxes().expect("Please add the Amount", "Warning", vbCritical);
  click(f->Picture2);

  type(f->cmbPatientName, "OP21");
  type(f->cmbDrName, "Dr.A");
  addTests(f, {"Chest", "Hand", "Chest"});
  setText(f->txtDiscount, "10");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbNo);
  click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(rows("SELECT * FROM XRayPrintDetails"), QStringList{});

  expectPrintAndSave();
  click(f->Picture2);
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
  setText(f->txtDiscount, "0");
  boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
  click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 2);
  EXPECT_EQ(f->txtTotal->text(), "680");
  EXPECT_EQ(rows("SELECT DISTINCT total FROM XRayPrintDetails"), QStringList{"612"});
  EXPECT_EQ(rows("SELECT count(*) FROM XRayPrintDetails"), QStringList{"3"});

  boxes().expect("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print", "Warning",
                 vbCritical);
  click(f->Picture1);

  click(f->Picture4);  // new bill
  EXPECT_EQ(f->Label2->text(), "43");
  EXPECT_EQ(f->txtDiscount->text(), "0");
  EXPECT_EQ(f->cmbPatientName->currentText(), "");
  EXPECT_EQ(f->PatientAge, "");
  EXPECT_EQ(f->List->topLevelItemCount(), 0);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestBillPrintTest, WithoutDiscountTheNetIsTheGrossText) {
  auto* f = open<frmLabBillReport>();
  addTests(f, {"Lipid Profile"});
  expectPrintAndSave();
  click(f->Picture2);
  // nobody chosen: the bill carries empty patient texts
  EXPECT_EQ(rows("SELECT Amount, Discount, GrossTotal, total, patientName, patientid FROM LabPrintDetails"),
            QStringList{"152.50|0|152.5|152.5||"});
  EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"1"});
}

TEST_F(TestBillPrintTest, AnEmptiedChooserPrintsNoEarlierPatient) {
  auto* f = open<frmLabBillReport>();
  f->CheckBox1->setChecked(true);
  type(f->cmbPatientName, "IP10");
  f->cmbPatientName->setEditText(QString());
  EXPECT_EQ(f->txtPatientID->text(), "");
  addTests(f, {"CBC"});
  expectPrintAndSave();
  click(f->Picture2);
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
    click(f->Picture2);
    addTests(f, {test});
    EXPECT_EQ(f->List->topLevelItem(2)->text(0), QString::fromLatin1(c.third));
  }
}

TEST_F(TestBillPrintTest, ElevenLinesGoOnTwoSheets) {
  auto* f = open<frmLabBillReport>();
  for (int i = 0; i < 11; ++i) addTests(f, {"CBC"});
  setText(f->txtDiscount, "20");
  expectPrintAndSave();
  click(f->Picture2);
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
  EXPECT_EQ(f->txtTotal->text(), "1320");
  EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails WHERE BillNo=1"), QStringList{"11"});
}

TEST_F(TestBillPrintTest, AFailedPrintOrSaveStoresNothingAndARetryStoresOnce) {
  struct Fault {
    const char* name;
    int printerFailsAt;
    const char* trigger;
  };
  const Fault faults[] = {
      {"printer fails while setting up", 1, ""},
      {"printer fails on the sheet", 12, ""},
      {"second line refused", 0,
       "CREATE TRIGGER fault BEFORE INSERT ON LabPrintDetails WHEN (SELECT count(*) FROM LabPrintDetails) >= 1 "
       "BEGIN SELECT RAISE(ABORT, 'disk full'); END"},
      {"counter refused", 0,
       "CREATE TRIGGER fault BEFORE UPDATE ON SettingsLabBillNo BEGIN SELECT RAISE(ABORT, 'disk full'); END"},
  };
  for (const Fault& c : faults) {
    SCOPED_TRACE(c.name);
    ResetForms();
    exec("DELETE FROM LabPrintDetails; UPDATE SettingsLabBillNo SET BillNo=6");
    auto* f = open<frmLabBillReport>();
    type(f->cmbPatientName, "OP21");
    addTests(f, {"CBC", "Sugar"});
    if (*c.trigger) exec(QString::fromLatin1(c.trigger));
    if (c.printerFailsAt) printer().FailAt(c.printerFailsAt);
    if (c.printerFailsAt != 1) boxes().expect("Do you wish to Print this Bill", "Print", vbYesNo, vbYes);
    boxes().expect(QString::fromLatin1(kPrinterMessage), "", vbCritical);
    click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_FALSE(f->BillPrinted);
    EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails"), QStringList{"0"});
    EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"6"});
    if (*c.trigger) exec("DROP TRIGGER fault");

    expectPrintAndSave();
    click(f->Picture2);
    EXPECT_TRUE(f->BillPrinted);
    EXPECT_EQ(rows("SELECT Description, BillNo FROM LabPrintDetails"), (QStringList{"CBC|7", "Sugar|7"}));
    EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"7"});
  }
}

TEST_F(TestBillPrintTest, AMissingCounterRowIsMadeBySave) {
  exec("DELETE FROM SettingsLabBillNo");
  auto* f = open<frmLabBillReport>();
  EXPECT_EQ(f->Label2->text(), "1");
  addTests(f, {"CBC"});
  expectPrintAndSave();
  click(f->Picture2);
  EXPECT_EQ(rows("SELECT BillNo FROM SettingsLabBillNo"), QStringList{"1"});
  click(f->Picture3);
  EXPECT_EQ(f->Label2->text(), "2");
}

}  // namespace
