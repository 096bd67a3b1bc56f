// Registering patients through both record forms: identifiers, the save checks in their order,
// what is written, and a write the database refuses.
#include <QClipboard>
#include <QGuiApplication>

#include "patients_support.h"

namespace {

const QString kDuplicate = "Please Select the Another Patient Id\r\nThis Patient ID Already Assigned";

TEST_P(RecordFormTest, IdentifierIsThePrefixAndTheTrimmedNumberAndNeverStoredTwice) {
  const struct {
    const char* typed;
    const char* existing;  // identifiers already stored, comma separated
    const char* stored;    // nullptr: refused as a duplicate
  } cases[] = {
      {"7", "", "7"},        // the first patient of an empty table
      {"8", "7", "8"},       // the next one
      {"7", "7", nullptr},   // taken
      {"op7", "7", "op7"},   // case counts
      {" 7", "7", nullptr},  // blanks do not make a new identifier
      {" 7 ", "", "7"},      // stored as the scan compares it
      {"7", "1,10,2", "7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    exec("DELETE FROM " + table());
    for (const QString& n : QString(c.existing).split(',', Qt::SkipEmptyParts)) add(n, "Old");
    open();
    Click(form->Picture5);
    fillValid(c.typed);
    if (c.stored) {
      saveExpectingSuccess();
      EXPECT_EQ(mode(), "browse");
      EXPECT_EQ(scalar("SELECT COUNT(*) FROM " + table() + " WHERE EmployeeID='" + id(c.stored) + "'"), "1");
      EXPECT_EQ(form->cmbPatientID.currentText(), id(c.stored));
      EXPECT_TRUE(idList().contains(id(c.stored)));
    } else {
      boxes().expect(kDuplicate, "Warning", vbCritical);
      Click(form->Picture9);
      EXPECT_EQ(mode(), "edit");
      EXPECT_EQ(form->focusWidget(), &form->cmbPatientID);
    }
    EXPECT_EQ(rows(table()), QString(c.existing).split(',', Qt::SkipEmptyParts).size() + (c.stored ? 1 : 0));
    form->Unload();
    QCoreApplication::processEvents();
  }
}

TEST_P(RecordFormTest, OtherKindOfPatientWithTheSameNumberDoesNotBlockAndDeletedNumbersComeFree) {
  addPatient(GetParam().otherTable, GetParam().otherTable == "SettingsOutPatient" ? "OP7" : "IP7", "Other");
  add("7", "Gone");
  open();
  EXPECT_EQ(idList(), QStringList{id("7")});
  boxes().expect("Are you sure you want to delete this record?", "Confirm Delete", vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(rows(table()), 0);
  Click(form->Picture5);
  fillValid("7");
  saveExpectingSuccess();
  EXPECT_EQ(ids(table()), id("7"));
  EXPECT_EQ(rows(GetParam().otherTable), 1);
}

TEST_P(RecordFormTest, SaveRefusesInOrderWithItsMessageAndFocusAndStaysInEditMode) {
  add("3", "Old");
  open();
  Click(form->Picture5);
  const struct {
    const char* number;
    const char* name;
    const char* phone;
    const char* age;
    const char* sex;
    const char* address;
    const char* location;
    const char* message;  // "" : the duplicate message
  } steps[] = {
      {"", "", "", "", "", "", "", "Please Fill the Employee ID"},
      {"3", "", "", "", "", "", "", ""},  // the scan comes before the empty checks
      {"4", "  ", "", "", "", "", "", "Please Fill the First Name"},
      {"4", "Ann", " ", "", "", "", "", "Please Fill the Phone Number"},
      {"4", "Ann", "555", "", "", "", "", "Please Select the Age"},
      {"4", "Ann", "555", "121", "", "", "", "Please Select the Correct Ages"},
      {"4", "Ann", "555", "120", "", "", "", "Please Select the Sex"},
      {"4", "Ann", "555", "0", "Male", " ", "", "Please Fill the Address"},
      {"4", "Ann", "555", "0", "Male", "Rd", "  ", "Please Fill the Location"},
  };
  QWidget* focusOf[] = {&form->cmbPatientID, &form->cmbPatientID, &form->txtFirstName, &form->txtMobilePhone,
                        &form->txtAge,       &form->txtAge,       &form->cmbSex,       &form->txtAddress,
                        &form->txtEmailId};
  int i = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.message);
    fill(s.number, s.name, s.phone, s.age, s.sex, s.address, s.location);
    boxes().expect(*s.message ? QString(s.message) : kDuplicate, "Warning", vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(), "edit");
    EXPECT_EQ(form->focusWidget(), focusOf[i++]);
    EXPECT_EQ(rows(table()), 1);
  }
  // The age box takes digits only, typed or pasted; a minus that gets in anyway is still refused.
  TypeOver(form->txtAge, "-1");
  EXPECT_EQ(form->txtAge.text(), "1");
  QGuiApplication::clipboard()->setText("-1");
  form->txtAge.clear();
  Paste(form->txtAge);
  EXPECT_EQ(form->txtAge.text(), "");
  fill("4", "Ann", "555", "1", "Male", "Rd", "Town");
  form->txtAge.setText("-1");
  boxes().expect("Please Select the Correct Ages", "Warning", vbCritical);
  Click(form->Picture9);

  form->txtAge.setText("0");
  saveExpectingSuccess();
  EXPECT_EQ(rows(table()), 2);
}

TEST_P(RecordFormTest, NewPatientIsStoredAsTypedWithOnlyItsColumnsWritten) {
  open();
  EXPECT_EQ(shown(), "||||||");
  Click(form->Picture5);
  fill("5", " Ann O'Neil ", "5550001", "07", "Female", " 2 Lake St ", "Westfield ");
  TypeOver(form->txtLastName, "Bx9");
  TypeOver(form->txtHomePhone, "12a3");
  saveExpectingSuccess();
  EXPECT_EQ(form->txtHomePhone.text(), "123");
  EXPECT_EQ(form->txtLastName.text(), "Bx");

  auto con = openDb();
  Recordset rs;
  rs.Open("SELECT * FROM " + table(), con);
  ASSERT_EQ(rs.RecordCount(), 1);
  const QStringList expected = {id("5"), " Ann O'Neil ", "", "Female", "5550001", "", "", "07", "", " 2 Lake St ",
                                "Westfield "};
  for (int c = 0; c < rs.FieldCount(); ++c) {
    SCOPED_TRACE(c);
    const Value v = rs.Fields(c);
    if (c < expected.size() && !expected[c].isEmpty()) {
      EXPECT_EQ(v.toText(), expected[c]);
    } else if (c == cols::SettingsInPatient::Discharged) {
      EXPECT_EQ(v.toText(), "No");
    } else {
      EXPECT_TRUE(v.IsNull());
    }
  }
  EXPECT_EQ(form->cmbPatientID.currentText(), id("5"));
  EXPECT_EQ(idList(), QStringList{id("5")});
  EXPECT_EQ(mode(), "browse");
}

TEST_P(RecordFormTest, ModifyRewritesTheRowAndKeepsItsIdentifier) {
  add("1", "First");
  add("2", "Second");
  if (table() == "SettingsInPatient")
    exec("UPDATE SettingsInPatient SET PrescriptionDetails='rest', DiseaseDetails='flu', HealthDetails='good', "
         "DischargeDate='2026-12-01', Discharged='Yes', Advance=250 WHERE EmployeeID='IP2'");
  open();
  Click(form->Picture4);
  ASSERT_EQ(form->txtFirstName.text(), "Second");
  TypeOver(form->txtAddress, "Not Available");
  Click(form->Picture6);
  EXPECT_EQ(form->txtAddress.text(), "");  // a placeholder is emptied for typing
  EXPECT_EQ(mode(), "edit");
  // The identifier box takes no typing and no choice while the row is modified: it never shows
  // another identifier.
  EXPECT_TRUE(form->cmbPatientID.lineEdit()->isReadOnly());
  TypeOver(form->cmbPatientID, "1");
  EXPECT_EQ(form->cmbPatientID.currentText(), id("2"));
  PressKey(form->cmbPatientID, Qt::Key_Up);
  EXPECT_EQ(form->cmbPatientID.currentText(), id("2"));
  EXPECT_EQ(form->txtFirstName.text(), "Second");
  TypeOver(form->txtAddress, "9 New Rd");
  saveExpectingSuccess();
  EXPECT_FALSE(form->cmbPatientID.lineEdit()->isReadOnly());
  EXPECT_EQ(ids(table()), id("1") + "," + id("2"));
  EXPECT_EQ(scalar("SELECT Address FROM " + table() + " WHERE EmployeeID='" + id("2") + "'"), "9 New Rd");
  EXPECT_EQ(form->cmbPatientID.currentText(), id("2"));
  if (table() == "SettingsInPatient") {
    EXPECT_EQ(scalar("SELECT Discharged || '|' || PrescriptionDetails || '|' || DiseaseDetails || '|' || "
                     "HealthDetails || '|' || DischargeDate || '|' || Advance FROM SettingsInPatient "
                     "WHERE EmployeeID='IP2'"),
              "No|rest|flu|good|2026-12-01|250");
  }
  // Cancel gives the box back too.
  Click(form->Picture6);
  EXPECT_TRUE(form->cmbPatientID.lineEdit()->isReadOnly());
  Click(form->Picture10);
  EXPECT_FALSE(form->cmbPatientID.lineEdit()->isReadOnly());
}

TEST_P(RecordFormTest, RefusedModifyLeavesBrowseModeSoTheNextNewStillScans) {
  add("1", "First");
  open();
  Click(form->Picture5);
  Click(form->Picture10);
  EXPECT_EQ(shown(), "||||||");
  boxes().expect("Please select any Record", "Warning", vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(), "browse");
  EXPECT_FALSE(form->EditFlag);
  EXPECT_FALSE(form->BusyFlag);
  Click(form->Picture5);
  EXPECT_TRUE(form->BusyFlag);
  fillValid("1");
  boxes().expect(kDuplicate, "Warning", vbCritical);
  Click(form->Picture9);
  Click(form->Picture10);
  EXPECT_EQ(rows(table()), 1);
}

TEST_P(RecordFormTest, FailedWriteShowsTheErrorStaysInEditModeAndSavesNothing) {
  exec("CREATE TRIGGER refuse BEFORE INSERT ON " + table() + " BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
  open();
  Click(form->Picture5);
  fillValid("9");
  boxes().expect("Cannot add the row: disk is full", "", vbOKOnly);
  Click(form->Picture9);
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(rows(table()), 0);
  // Once the database takes it, the same pending row is stored, once.
  exec("DROP TRIGGER refuse");
  saveExpectingSuccess();
  EXPECT_EQ(ids(table()), id("9"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecordFormTest, ::testing::Values(OutPatients(), InPatients()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
