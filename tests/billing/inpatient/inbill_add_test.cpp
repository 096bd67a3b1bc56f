// The add button: charge rows, the advance rows, receipts and other lines, as the user makes them.
#include <gtest/gtest.h>

#include <QClipboard>

#include "inbill_support.h"

namespace {

using InBillAddTest = InBillTest;

TEST_F(InBillAddTest, AddBuildsTheRowsAndTheTotal) {
  const QString gross = QString(26, ' ') + "Gross Total";
  const QString less = QString(26, ' ') + "Less Advance";
  const struct {
    const char* name;
    const char* patient;
    std::vector<std::pair<int, const char*>> charges;
    const char* advanceBox;
    QStringList rows;
    const char* total;
  } cases[] = {
      {"zero and empty boxes list nothing", "IP10", {{0, "500"}, {1, ""}, {2, "0"}}, "", {"01|Bed Charges|500.00"}, "500"},
      {"decimals", "IP10", {{0, "100.5"}, {7, "200.25"}}, "", {"01|Bed Charges|100.50", "02|ECG|200.25"}, "300.75"},
      {"every shown box in order",
       "IP10",
       {{8, "9"}, {4, "5"}, {3, "4"}, {2, "3"}, {1, "2"}, {0, "1"}, {7, "8"}},
       "",
       {"01|Bed Charges|1.00", "02|Professional Charges|2.00", "03|Nursing Charges|3.00", "04|O/T Charges|4.00",
        "05|Anesthetic Charges|5.00", "06|ECG|8.00", "07|Scan|9.00"},
       "32"},
      {"an advance held is deducted", "IP12", {{0, "1000"}}, "",
       {"01|Bed Charges|1000.00", "|" + gross + "|1000.00", "|" + less + "|300.00"}, "700"},
      {"an advance above the charges", "IP13", {{0, "1000"}}, "",
       {"01|Bed Charges|1000.00", "|" + gross + "|1000.00", "|" + less + "|1500.00"}, "-500"},
      {"a receipt whatever the boxes hold", "IP12", {{0, "1000"}, {7, "5"}}, "250", {"01|Adv.   Amt|250.00"}, "250"},
      {"a receipt without a patient", "", {}, "250.5", {"01|Adv.   Amt|250.50"}, "250.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    frmInBill* f = open();
    ASSERT_TRUE(f);
    choosePatient(f, QString::fromLatin1(c.patient));
    for (const auto& [index, text] : c.charges) TypeKeys(f->Text1[std::size_t(index)], QString::fromLatin1(text));
    TypeKeys(f->txtAdvance, QString::fromLatin1(c.advanceBox));
    Click(f->Picture1);
    EXPECT_EQ(listRows(f), c.rows);
    EXPECT_EQ(f->txtTotal.text(), c.total);
    // pressing add again lists the same rows, the serials again from 01
    Click(f->Picture1);
    EXPECT_EQ(listRows(f), c.rows);
    Click(f->Picture3);
  }
}

TEST_F(InBillAddTest, OtherLinesAreAppendedOnlyWithTheTick) {
  frmInBill* f = open();
  choosePatient(f, "IP10");
  TypeKeys(f->Text1[0], "500");
  Click(f->Picture1);
  TypeKeys(f->Text2, "Oxygen");
  TypeKeys(f->Text1[9], "50");
  Click(f->Picture1);  // no tick: the charges are listed again, the other line ignored
  EXPECT_EQ(listRows(f), QStringList{"01|Bed Charges|500.00"});
  EXPECT_EQ(f->Text2.text(), "Oxygen");

  f->CheckBox2.setChecked(true);
  Click(f->Picture1);
  EXPECT_EQ(listRows(f), (QStringList{"01|Bed Charges|500.00", "02|Oxygen|50.00"}));
  EXPECT_EQ(f->txtTotal.text(), "550");
  EXPECT_EQ(f->Text2.text(), "");
  EXPECT_EQ(f->Text1[9].text(), "");
  EXPECT_FALSE(f->CheckBox2.isChecked());
}

TEST_F(InBillAddTest, AddWithoutPatientOrOnAPrintedBillIsRefused) {
  frmInBill* f = open();
  TypeKeys(f->Text1[0], "500");
  boxes().expect("Please Select the Patient Name First", "", vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(f->List.topLevelItemCount(), 0);

  choosePatient(f, "IP10");
  Click(f->Picture1);
  printAndSave(f);
  TypeKeys(f->Text1[1], "70");
  boxes().expect("You cannt Change the Bill Already Printed ! Cancel the Bill First then Again Give Print", "Warning",
                 vbCritical);
  Click(f->Picture1);
  EXPECT_EQ(listRows(f), QStringList{"01|Bed Charges|500.00"});
}

TEST_F(InBillAddTest, ChoosingAPatientFillsTheBoxesAndTheKeyFiltersHold) {
  frmInBill* f = open();
  choosePatient(f, "IP11");
  EXPECT_EQ(f->txtPatientID.text(), "Meena");
  EXPECT_EQ(f->Text3.text(), "500");
  EXPECT_EQ(f->PatientAge, "33");
  EXPECT_EQ(f->PatientAddress, "4 Lake Street");
  EXPECT_TRUE(f->cmbDrName.hasFocus() || QApplication::focusWidget() == f->cmbDrName.lineEdit());

  TypeKeys(f->Text1[0], "1a2.5.0-");
  EXPECT_EQ(f->Text1[0].text(), "12.50");
  TypeKeys(f->txtAdvance, "abc");  // the advance box takes an amount, as the charge boxes do
  EXPECT_EQ(f->txtAdvance.text(), "");
  TypeKeys(f->cmbDrName, "dr.a");
  EXPECT_EQ(f->cmbDrName.currentText(), "Dr.Amal");
}

// The advance box takes what the charge boxes take; what still gets in another way (a paste of
// what the filter passes key by key, a text set from elsewhere) makes no receipt.
TEST_F(InBillAddTest, TheAdvanceBoxTakesAnAmountAndAddRefusesAnyOther) {
  frmInBill* f = open();
  const struct {
    const char* typed;
    const char* shown;
  } keys[] = {{"1,000", "1000"}, {"-500", "500"}, {"abc", ""}, {"12.5.0", "12.50"}};
  for (const auto& k : keys) {
    f->txtAdvance.clear();
    TypeKeys(f->txtAdvance, QString::fromLatin1(k.typed));
    EXPECT_EQ(f->txtAdvance.text(), QString::fromLatin1(k.shown)) << k.typed;
  }

  choosePatient(f, "IP10");
  TypeKeys(f->Text1[0], "500");
  f->txtAdvance.clear();
  Click(f->Picture1);
  const QStringList charged = {"01|Bed Charges|500.00"};
  ASSERT_EQ(listRows(f), charged);

  const struct {
    const char* text;
    bool pastes;  // the filter lets the paste in whole; otherwise it is set as a text
  } refused[] = {
      {"0", true}, {".", true}, {"0.00", true}, {"0.004", true},
      {"1.2.3", false}, {"1,000", false}, {"-500", false}, {"abc", false},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.text);
    f->txtAdvance.clear();
    f->txtAdvance.setFocus();
    QApplication::clipboard()->setText(QString::fromLatin1(r.text));
    Paste(f->txtAdvance);
    EXPECT_EQ(f->txtAdvance.text(), r.pastes ? QString::fromLatin1(r.text) : QString());
    if (!r.pastes) f->txtAdvance.setText(QString::fromLatin1(r.text));
    boxes().expect("Please Enter the Correct Advance Amount", "Warning", vbCritical);
    Click(f->Picture1);
    EXPECT_EQ(listRows(f), charged);
    EXPECT_EQ(f->txtTotal.text(), "500");
  }

  // a sound receipt still goes all the way
  f->txtAdvance.clear();
  TypeKeys(f->txtAdvance, "250");
  Click(f->Picture1);
  EXPECT_EQ(listRows(f), QStringList{"01|Adv.   Amt|250.00"});
  printAndSave(f);
  EXPECT_EQ(rowOf("SELECT total, Advance, patientid FROM InPatientPrintDetails"), (QStringList{"250", "250", "IP10"}));
  EXPECT_EQ(advanceOf("IP10"), "250");
}

TEST_F(InBillAddTest, LoadShowsTheNextNumberAndRefusesFutureDates) {
  exec("UPDATE SettingsInBillNo SET BillNo=41");
  frmInBill* f = open();
  EXPECT_EQ(f->Label2.text(), "42");
  EXPECT_EQ(f->DTPicker1.date(), defaultToday());
  f->DTPicker1.setDate(defaultToday().addDays(-3));
  EXPECT_EQ(f->DTPicker1.date(), defaultToday().addDays(-3));
  boxes().expect("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date", "Warning",
                 vbCritical);
  f->DTPicker1.setDate(defaultToday().addDays(1));
  EXPECT_EQ(f->DTPicker1.date(), defaultToday());
}

TEST_F(InBillAddTest, LoadClosesWhenATableIsEmptyOrMissing) {
  const struct {
    const char* name;
    const char* sql;
    const char* message;
    const char* title;
    int ends;
  } cases[] = {
      {"no doctor", "DELETE FROM SettingDrDetails", "Please add the Dr. Details First", "Warning", 0},
      {"no in-patient", "DELETE FROM SettingsInPatient", "Please add the InPatient Details First", "Warning", 0},
      {"no bill table", "DROP TABLE InPatientPrintDetails", "Database Error. Please Check the database and try again",
       "Database Error", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    exec(c.sql);
    gCon = openDb();
    boxes().expect(c.message, c.title, vbCritical);
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(endCount(), c.ends);
    EXPECT_TRUE(gActiveForm.isNull());
  }
}

}  // namespace
