// The bill form on screen: the add button's rows, serials and totals, the patient chooser, the
// date guard, and the form closing on empty tables.
#include "billform.h"

namespace {

TEST_F(BillFormTest, AddListsFeesFreeTextRowsAndTotals) {
  ASSERT_TRUE(open());
  choose("OP12");
  struct Step {
    const char* what;
    std::function<void()> act;
    QStringList rows;
    QString total;
  };
  const Step steps[] = {
      {"fees 100, empty, 0, 50.5", [&] { fees("100", "", "0", "50.5"); },
       {"01 Dr Fees 100.00", "02 Scan 50.50"}, "150.5"},
      {"the same again goes on counting", [] {}, {"03 Dr Fees 100.00", "04 Scan 50.50"}, "150.5"},
      {"a free-text row is appended", [&] { freeText("Injection", "20"); },
       {"03 Dr Fees 100.00", "04 Scan 50.50", "05 Injection 20.00"}, "170.5"},
      {"ticked without a description rebuilds", [&] { freeText("  ", "5"); },
       {"06 Dr Fees 100.00", "07 Scan 50.50"}, "150.5"},
      {"a description not ticked rebuilds too", [&] { freeText("Syringe", "7", false); },
       {"08 Dr Fees 100.00", "09 Scan 50.50"}, "150.5"},
      {"cents add exactly", [&] { fees("0.1", "0.2", "", ".7"); form->Text2.clear(); form->Text1[6].clear(); },
       {"10 Dr Fees 0.10", "11 Dressing Charges 0.20", "12 Scan 0.70"}, "1"},
      {"nothing but zeros lists nothing", [&] { fees("0", "0.00", ".", ""); }, {}, "0"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    Click(form->Picture1);
    EXPECT_EQ(listed(), step.rows);
    EXPECT_EQ(form->txtTotal.text(), step.total);
  }
  // The free-text boxes were emptied and unticked by the row that took them only.
  freeText("Injection", "20");
  Click(form->Picture1);
  EXPECT_EQ(form->Text2.text(), "");
  EXPECT_EQ(form->Text1[6].text(), "");
  EXPECT_FALSE(form->CheckBox2.isChecked());

  // Clear: empty bill, serials from 01, a first free-text row is the whole total.
  form->cmbDrName.setEditText("Dr Anand");
  form->CheckBox1.setChecked(true);
  Click(form->Picture3);
  EXPECT_EQ(listed(), QStringList());
  EXPECT_EQ(form->txtTotal.text(), "");
  EXPECT_EQ(form->cmbPatientName.currentText(), "");
  EXPECT_EQ(form->txtPatientID.text(), "");
  EXPECT_EQ(form->cmbDrName.currentText(), "");
  EXPECT_EQ(form->Text1[0].text(), "");
  EXPECT_TRUE(form->CheckBox1.isChecked());
  choose("OP3");
  freeText("Dressing kit", "12.25");
  Click(form->Picture1);
  EXPECT_EQ(listed(), QStringList{"01 Dressing kit 12.25"});
  EXPECT_EQ(form->txtTotal.text(), "12.25");
}

TEST_F(BillFormTest, FeeBoxesTakeDigitsAndOnePoint) {
  ASSERT_TRUE(open());
  TypeKeys(form->Text1[0], "1a2.5.0-");
  EXPECT_EQ(form->Text1[0].text(), "12.50");
  TypeKeys(form->Text2, "Dressing 2.5");  // the description takes anything
  EXPECT_EQ(form->Text2.text(), "Dressing 2.5");
}

TEST_F(BillFormTest, AddNeedsAPatient) {
  ASSERT_TRUE(open());
  fees("100", "", "", "");
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(listed(), QStringList());
  EXPECT_TRUE(form->cmbPatientName.hasFocus());
}

TEST_F(BillFormTest, ChooserFindsTheTrimmedIdentifierOrKeepsThePreviousName) {
  ASSERT_TRUE(open());
  struct Case {
    QString text;
    QString name;  // shown afterwards
    bool chosen;
    QString age;
  };
  const Case cases[] = {
      {"OP3", "Beena", true, "41"},
      {"OP12", "ABC", true, "36"},
      {" OP3 ", "Beena", true, "41"},
      {"OP7", "Chitra", true, "8"},  // stored as "OP7 "
      {"op3", "Chitra", false, ""},  // case counts; the name on screen stays
      {"OP1", "Chitra", false, ""},
      {"OP3", "Beena", true, "41"},
      {"", "", false, ""},  // emptied: nobody, and no name left for the next bill
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    form->cmbPatientName.setFocus();
    form->cmbPatientName.setEditText(c.text);
    PressKey(form->cmbPatientName, Qt::Key_Return);
    EXPECT_EQ(form->txtPatientID.text(), c.name);
    EXPECT_EQ(form->Chooser().HasPatient(), c.chosen);
    if (c.chosen) {
      EXPECT_TRUE(form->cmbDrName.hasFocus());
      EXPECT_EQ(form->PatientAge(), c.age);
    }
  }
  EXPECT_EQ(form->PatientAddress(), "");
}

TEST_F(BillFormTest, TypedLetterCompletesAndAPrefixLeftByBackspaceBillsNobody) {
  ASSERT_TRUE(open());
  // The list is in name order: OP12 (ABC) comes first.
  QStringList ids;
  for (int i = 0; i < form->cmbPatientName.count(); ++i) ids << form->cmbPatientName.itemText(i);
  EXPECT_EQ(ids, (QStringList{"OP12", "OP3", "OP7 "}));
  QStringList doctors;
  for (int i = 0; i < form->cmbDrName.count(); ++i) doctors << form->cmbDrName.itemText(i);
  EXPECT_EQ(doctors, (QStringList{"Dr Anand", "Dr Meera"}));

  TypeKeys(form->cmbPatientName, "o");
  EXPECT_EQ(form->cmbPatientName.currentText(), "OP12");
  EXPECT_EQ(form->txtPatientID.text(), "");  // proposed, not chosen
  TypeKeys(form->cmbPatientName, "\r");
  EXPECT_EQ(form->txtPatientID.text(), "ABC");
  EXPECT_TRUE(form->cmbDrName.hasFocus());
  TypeKeys(form->cmbDrName, "dr m");
  EXPECT_EQ(form->cmbDrName.currentText(), "Dr Meera");
  TypeKeys(form->cmbDrName, "x");  // no free text in the doctor list
  EXPECT_EQ(form->cmbDrName.currentText(), "");

  form->cmbPatientName.setFocus();
  PressKey(form->cmbPatientName, Qt::Key_End);
  PressKey(form->cmbPatientName, Qt::Key_Backspace);
  EXPECT_EQ(form->cmbPatientName.currentText(), "OP1");
  EXPECT_EQ(form->txtPatientID.text(), "ABC");
  fees("100", "", "", "");
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(listed(), QStringList());

  // Rows listed for OP12, then the chooser left on a prefix: the print refuses too.
  TypeKeys(form->cmbPatientName, "2");
  ASSERT_TRUE(form->Chooser().HasPatient());
  Click(form->Picture1);
  ASSERT_EQ(listed().size(), 1);
  form->cmbPatientName.setFocus();
  PressKey(form->cmbPatientName, Qt::Key_End);
  PressKey(form->cmbPatientName, Qt::Key_Backspace);
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(form->Picture2);
  EXPECT_TRUE(printer().Items().empty());
  EXPECT_EQ(billRows(), 0);
}

TEST_F(BillFormTest, AFutureBillDateIsRefusedAndTodayPutBack) {
  ASSERT_TRUE(open());
  EXPECT_EQ(form->DTPicker1.date(), defaultToday());
  EXPECT_EQ(form->DTPicker1.text(), "10/12/2026");
  form->DTPicker1.setDate(defaultToday().addDays(-3));
  EXPECT_EQ(form->DTPicker1.date(), defaultToday().addDays(-3));
  boxes().expect("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date", "Warning",
                 vbCritical);
  form->DTPicker1.setDate(defaultToday().addDays(1));
  EXPECT_EQ(form->DTPicker1.date(), defaultToday());
}

TEST_F(BillFormTest, ShowsTheNextNumberAndItsCaption) {
  exec("UPDATE SettingsOutBillNo SET BillNo = 41");
  ASSERT_TRUE(open());
  EXPECT_EQ(form->Label2.text(), "42");
  EXPECT_EQ(form->ShockwaveFlash1.GetVariable("Receive"), "                   Settings Out-Patient Bill Details");
  EXPECT_EQ(form->Width(), 11745);
  EXPECT_EQ(form->Height(), 9795);
  EXPECT_FALSE(form->Text1[2].isVisible());
  EXPECT_FALSE(form->Text1[3].isVisible());
  EXPECT_TRUE(form->Text1[4].isVisible());
}

TEST_F(BillFormTest, EmptyDoctorOrPatientTablesCloseTheForm) {
  exec("DELETE FROM SettingDrDetails");
  boxes().expect("Please add the Dr. Details First", "Warning", vbCritical);
  EXPECT_EQ(open(), nullptr);
  EXPECT_EQ(LoadedForm<frmBill>(), nullptr);

  exec("INSERT INTO SettingDrDetails (DoctorID) VALUES ('Dr Meera')");
  exec("DELETE FROM SettingsOutPatient");
  boxes().expect("Please add the OutPatient Details First", "Warning", vbCritical);
  EXPECT_EQ(open(), nullptr);
  EXPECT_EQ(LoadedForm<frmBill>(), nullptr);
  EXPECT_EQ(endCount(), 0);
}

}  // namespace
