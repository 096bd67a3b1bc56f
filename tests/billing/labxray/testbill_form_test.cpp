// The test bill form on screen: prices from the price lists, the lines and the gross total, the
// patient look-up over both registers, the refusals of Add and the discount check.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <algorithm>

#include "labxray_support.h"

namespace {

using TestBillFormTest = LabXRayTest;

// The chooser lists the in-patients, then the out-patients, each in the order of their first
// names (case aside), and patients of one name by their identifiers (as text, case aside), not in
// the order they were added: the order the index of names and identifiers hands them over in.
TEST_F(TestBillFormTest, PatientsOfOneNameAreListedByTheirIdentifiers) {
  exec("INSERT INTO SettingsInPatient(EmployeeID, FirstName) VALUES ('IP9', 'ravi'), ('ip12', 'RAVI'), ('IP11', 'Ravi');"
       "INSERT INTO SettingsOutPatient(EmployeeID, FirstName) VALUES ('OP9', 'Tara'), ('op30', 'tara'), ('OP100', 'Tara')");
  auto* f = open<frmLabBillReport>();
  ASSERT_TRUE(f);
  QStringList ids;
  for (int i = 0; i < f->cmbPatientName.count(); ++i) ids << f->cmbPatientName.itemText(i);
  EXPECT_EQ(ids, (QStringList{"OP20", "IP10", "IP11", "ip12", "IP9", "OP22", "OP20", "OP100", "OP21", "op30", "OP9"}));
}

TEST_F(TestBillFormTest, PriceComesFromTheListByKindAndAgeAtTheChoice) {
  const struct {
    const char* name;
    bool xray;
    const char* patientBefore;  // chosen before the test ("" none)
    const char* test;
    const char* patientAfter;   // chosen after the test ("" none)
    const char* price;
  } cases[] = {
      {"lab uses Amount", false, "OP21", "Lipid Profile", "", "152.50"},
      {"age 8 is adult", true, "IP10", "Chest", "", "400"},
      {"age 7 is a child", true, "OP21", "Chest", "", "250"},
      {"no patient yet is a child", true, "", "Hand", "", "180"},
      {"age not a number is a child", true, "OP22", "Hand", "", "180"},
      {"patient chosen after the test keeps the child price", true, "", "Chest", "IP10", "250"},
      {"in-patient taken before the out-patient of the same id", true, "OP20", "Chest", "", "400"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetForms();
    TestBillForm* f = c.xray ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                             : static_cast<TestBillForm*>(open<frmLabBillReport>());
    ASSERT_TRUE(f);
    if (*c.patientBefore) TypeKeys(f->cmbPatientName, QString::fromLatin1(c.patientBefore));
    TypeKeys(f->cmbDescription, QString::fromLatin1(c.test));
    if (*c.patientAfter) TypeKeys(f->cmbPatientName, QString::fromLatin1(c.patientAfter));
    Click(f->Picture1);
    ASSERT_EQ(f->List.topLevelItemCount(), 1);
    EXPECT_EQ(f->List.topLevelItem(0)->text(2), QString::fromLatin1(c.price));
  }
}

TEST_F(TestBillFormTest, LinesAreNumberedAndTheGrossIsShortest) {
  auto* lab = open<frmLabBillReport>();
  addTests(lab, {"CBC", "Lipid Profile"});
  EXPECT_EQ(rowsOf(&lab->List), (QStringList{"01|CBC|150", "02|Lipid Profile|152.50"}));
  EXPECT_EQ(lab->txtCTotal.text(), "302.5");

  auto* xray = open<frmXRayBillReport>();
  TypeKeys(xray->cmbPatientName, "IP10");
  addTests(xray, {"Chest", "Hand", "Chest"});
  EXPECT_EQ(rowsOf(&xray->List), (QStringList{"01|XRay-Chest|400", "02|XRay-Hand|300", "03|XRay-Chest|400"}));
  EXPECT_EQ(xray->txtCTotal.text(), "1100");
  EXPECT_EQ(xray->txtPatientID.text(), "Ravi");
}

TEST_F(TestBillFormTest, ATestStoredWithBlanksAroundItsNameIsBilledUnderTheNameItself) {
  // The price-list forms keep a name as it was typed, blanks included.
  exec("INSERT INTO SettingsLab(Description, Amount) VALUES (' Ferritin ', '420'), ('Thyroid  ', '610'),"
       "  ('   Calcium', '90');"
       "INSERT INTO SettingsXRay(Description, AdultAmount, ChildrenAmount) VALUES (' Knee ', '350', '200'),"
       "  ('Skull  ', '500', '300');");
  const struct {
    bool xray;
    const char* name;  // as the clerk sees it
    bool fromList;     // picked with the mouse, else typed
    const char* line;
  } cases[] = {
      {false, "Ferritin", false, "01|Ferritin|420"},  {false, "Ferritin", true, "01|Ferritin|420"},
      {false, "Thyroid", false, "01|Thyroid|610"},    {false, "Thyroid", true, "01|Thyroid|610"},
      {false, "Calcium", false, "01|Calcium|90"},     {false, "Calcium", true, "01|Calcium|90"},
      {true, "Knee", false, "01|XRay-Knee|350"},      {true, "Knee", true, "01|XRay-Knee|350"},
      {true, "Skull", false, "01|XRay-Skull|500"},    {true, "Skull", true, "01|XRay-Skull|500"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.xray ? " x-ray" : " lab") + (c.fromList ? " from the list" : " typed"));
    ResetForms();
    exec("DELETE FROM LabPrintDetails; DELETE FROM XRayPrintDetails");
    TestBillForm* f = c.xray ? static_cast<TestBillForm*>(open<frmXRayBillReport>())
                             : static_cast<TestBillForm*>(open<frmLabBillReport>());
    ASSERT_TRUE(f);
    TypeKeys(f->cmbPatientName, "IP10");  // aged 8: the adults' price
    const QString name = QString::fromLatin1(c.name);
    f->cmbDescription.setFocus();
    if (c.fromList) {
      QComboBox* combo = &f->cmbDescription;
      int index = -1;
      for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).contains(name)) index = i;
      PickEntry(combo, index);
    } else {
      TypeKeys(f->cmbDescription, name);
    }
    EXPECT_EQ(f->cmbDescription.currentText(), name);
    Click(f->Picture1);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(rowsOf(&f->List), QStringList{QString::fromLatin1(c.line)});
    expectPrintAndSave();
    Click(f->Picture2);
    const QStringList line = QString::fromLatin1(c.line).split('|');
    EXPECT_EQ(rows(QStringLiteral("SELECT Description, Amount FROM ") + (c.xray ? "XRayPrintDetails" : "LabPrintDetails")),
              QStringList{line[1] + '|' + line[2]});
  }
}

TEST_F(TestBillFormTest, AddRefusesATextThatNamesNoTestEvenAfterAMatch) {
  auto* f = open<frmLabBillReport>();
  boxes().expect("Please Select the Description First", "", vbCritical);
  Click(f->Picture1);  // nothing chosen

  TypeKeys(f->cmbDescription, "CBC");
  PressKey(f->cmbDescription, Qt::Key_Backspace);  // "CB": no test of that name
  ASSERT_EQ(f->cmbDescription.currentText(), "CB");
  boxes().expect("Please Select the Description First", "", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(f->List.topLevelItemCount(), 0);
  EXPECT_TRUE(f->cmbDescription.hasFocus());

  TypeKeys(f->cmbDescription, "C");  // "CBC" again
  PressKey(f->cmbDescription, Qt::Key_Return);  // Enter adds a chosen test
  EXPECT_EQ(rowsOf(&f->List), QStringList{"01|CBC|150"});

  f->cmbDescription.setEditText(QString());
  TypeKeys(f->cmbDescription, "Urine");  // priced 0: Enter adds nothing, the button still does
  PressKey(f->cmbDescription, Qt::Key_Return);
  EXPECT_EQ(f->List.topLevelItemCount(), 1);
  Click(f->Picture1);
  EXPECT_EQ(f->List.topLevelItemCount(), 2);

  Click(f->Picture3);  // Clear: the price of the last test is not kept for the next bill
  boxes().expect("Please Select the Description First", "", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestBillFormTest, DiscountIsCheckedAndTheNetIsExact) {
  const struct {
    const char* discount;
    bool valid;
    const char* net;
    const char* discountLine;  // printed under the lines ("" none)
  } cases[] = {
      {"0", true, "155", ""},
      {"15", true, "131.75", "Discount 15 %"},
      {"99", true, "1.55", "Discount 99 %"},
      {"12.5", true, "135.625", "Discount 12.5 %"},
      // an emptied box is no discount
      {"", true, "155", ""},
      {"   ", true, "155", ""},
      {" 10 ", true, "139.5", "Discount  10  %"},
      {"99.5", false, "", ""},
      {"-1", false, "", ""},
      {"abc", false, "", ""},
      {"10 %", false, "", ""},
      {"1,0", false, "", ""},
      {". ", false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.discount);
    ResetForms();
    exec("DELETE FROM LabPrintDetails");
    auto* f = open<frmLabBillReport>();
    TypeKeys(f->cmbPatientName, "OP21");
    addTests(f, {"CBC", "Sugar"});
    ASSERT_EQ(f->txtCTotal.text(), "155");
    TypeOver(f->txtDiscount, QString::fromLatin1(c.discount));
    ASSERT_EQ(f->txtDiscount.text(), QString::fromLatin1(c.discount));
    const int before = printer().OperationCount();
    const int sheets = printer().EndDocCount();
    if (c.valid) {
      expectPrintAndSave();
    } else {
      boxes().expect("Please select Correct Discount ! This is Invalid Discount", "", vbCritical);
    }
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    if (c.valid) {
      EXPECT_EQ(f->txtTotal.text(), QString::fromLatin1(c.net));
      EXPECT_EQ(printer().EndDocCount(), sheets + 1);
      const std::vector<PrintedItem> sheet = printer().Sheets().back();
      QString discountLine;
      for (const PrintedItem& item : sheet)
        if (item.text.startsWith("Discount")) discountLine = item.text;
      EXPECT_EQ(discountLine, QString::fromLatin1(c.discountLine));
      EXPECT_EQ(rows("SELECT DISTINCT Discount, GrossTotal, total FROM LabPrintDetails"),
                QStringList{QString::fromLatin1(c.discount) + "|155|" + QString::fromLatin1(c.net)});
    } else {
      EXPECT_EQ(printer().EndDocCount(), sheets);
      EXPECT_TRUE(f->txtDiscount.hasFocus());
      EXPECT_EQ(f->txtTotal.text(), "");
      EXPECT_EQ(printer().OperationCount(), before);
      EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails"), QStringList{"0"});
    }
  }
}

// A percent with decimals works on the gross as typed: the discount printed is gross × percent
// rounded once, and the net box holds the exact net to four decimals, never one made of a percent
// or a discount cut first.
TEST_F(TestBillFormTest, APercentWithDecimalsDiscountsTheGrossAsTyped) {
  const struct {
    QStringList tests;
    const char* discount;
    bool valid;
    const char* net;         // the net box and the stored total
    const char* printedOff;  // the discount amount on the sheet
    const char* printedNet;
  } cases[] = {
      // 155 × 12.349 % = 19.14095, the net 135.85905
      {{"CBC", "Sugar"}, "12.349", true, "135.859", "19.14", "135.86"},
      // 152.50 × 33.33 % = 50.82825, the net 101.67175
      {{"Lipid Profile"}, "33.33", true, "101.6717", "50.83", "101.67"},
      // above 99 however little
      {{"CBC", "Sugar"}, "99.00001", false, "", "", ""},
  };
  // The characters printed right-aligned on a line of the last sheet, left to right.
  const auto amountAt = [](const std::vector<PrintedItem>& sheet, double y) {
    std::vector<const PrintedItem*> cells;
    for (const PrintedItem& item : sheet)
      if (item.y == y && item.x > 800) cells.push_back(&item);
    std::sort(cells.begin(), cells.end(), [](const PrintedItem* a, const PrintedItem* b) { return a->x < b->x; });
    QString text;
    for (const PrintedItem* cell : cells) text += cell->text;
    return text;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.discount);
    ResetForms();
    exec("DELETE FROM LabPrintDetails");
    auto* f = open<frmLabBillReport>();
    TypeKeys(f->cmbPatientName, "OP21");
    addTests(f, c.tests);
    TypeOver(f->txtDiscount, QString::fromLatin1(c.discount));
    const int sheets = printer().EndDocCount();
    if (c.valid) {
      expectPrintAndSave();
    } else {
      boxes().expect("Please select Correct Discount ! This is Invalid Discount", "", vbCritical);
    }
    Click(f->Picture2);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(f->txtTotal.text(), QString::fromLatin1(c.net));
    if (!c.valid) {
      EXPECT_EQ(printer().EndDocCount(), sheets);
      EXPECT_EQ(rows("SELECT count(*) FROM LabPrintDetails"), QStringList{"0"});
      continue;
    }
    const std::vector<PrintedItem> sheet = printer().Sheets().back();
    const auto label = std::find_if(sheet.begin(), sheet.end(),
                                    [](const PrintedItem& item) { return item.text.startsWith("Discount"); });
    ASSERT_NE(label, sheet.end());
    EXPECT_EQ(amountAt(sheet, label->y), QString::fromLatin1(c.printedOff));
    EXPECT_EQ(amountAt(sheet, kSheetNetY), QString::fromLatin1(c.printedNet));
    EXPECT_EQ(rows("SELECT DISTINCT total FROM LabPrintDetails"), QStringList{QString::fromLatin1(c.net)});
  }
}

TEST_F(TestBillFormTest, PatientLookUpKeepsTheLastMatchAndAddAndPrintRefuseAStrayText) {
  auto* f = open<frmLabBillReport>();
  // The clerk clicks into the box and types; the keys go to the drop-down list while it is open.
  const auto typeIntoPatient = [f](const QString& text) {
    f->cmbPatientName.setFocus(Qt::MouseFocusReason);
    TypeAtFocus(text);
  };
  typeIntoPatient("OP20\r");  // in both registers: the in-patient
  EXPECT_EQ(f->txtPatientID.text(), "Inez");
  EXPECT_EQ(f->PatientAge, "50");
  EXPECT_TRUE(f->cmbDrName.hasFocus());
  addTests(f, {"CBC"});

  typeIntoPatient("\b");  // "OP2" matches nobody
  EXPECT_EQ(f->txtPatientID.text(), "Inez");
  EXPECT_EQ(f->PatientAddress, "3 Ward Row");
  // Neither Add nor Print bills the name still shown beside an identifier typed over.
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(f->List.topLevelItemCount(), 1);
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(f->Picture2);
  EXPECT_EQ(printer().EndDocCount(), 0);
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(TestBillFormTest, AnEmptyTableClosesTheFormWithItsMessage) {
  const struct {
    const char* table;
    const char* message;
  } cases[] = {
      // emptied one after the other, from the table the load reads last
      {"SettingsOutPatient", "Please add the OutPatient Details First"},
      {"SettingsInPatient", "Please add the InPatient Details First"},
      {"SettingDrDetails", "Please add the Dr. Details First"},
      {"SettingsLab", "Please add the Description Details First"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    exec(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(c.table)));
    boxes().expect(QString::fromLatin1(c.message), "Warning", vbCritical);
    EXPECT_EQ(LoadForm<frmLabBillReport>(), nullptr);
    EXPECT_EQ(boxes().pending(), 0);
  }
}

TEST_F(TestBillFormTest, FutureBillDateIsSetBackToToday) {
  auto* f = open<frmLabBillReport>();
  boxes().expect("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date", "Warning",
                 vbCritical);
  f->DTPicker1.setDate(Today().addDays(1));
  EXPECT_EQ(f->DTPicker1.date(), Today());
}

}  // namespace
