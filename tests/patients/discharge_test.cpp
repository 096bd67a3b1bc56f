// Discharging in-patients: who is listed, the OK checks in their order, what is written, the
// same-name case, the date guard and a write the database refuses.
#include "discharge_support.h"
#include "patients/frmDischarge.h"

namespace {

const QString kSelectPatient = "Please Select the Patient Name";
const QString kFuture = "Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date";

class DischargeTest : public FormsTest {
protected:
  frmDischarge* open() {
    form = ShowForm<frmDischarge>();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }
  void fillDetails(const QString& prescription, const QString& disease, const QString& health) {
    TypeOver(form->txtPrescription, prescription);
    TypeOver(form->txtDisease, disease);
    TypeOver(form->txtHealth, health);
  }
  void okExpectingSuccess() {
    boxes().expect("Record Saved Successfully", "", vbOKOnly);
    Click(form->Picture1);
    QCoreApplication::processEvents();
    EXPECT_EQ(LoadedForm<frmDischarge>(), nullptr) << "the form stays open after a discharge";
    form = nullptr;
  }
  // Columns 13 to 17 of the patient's row, "|"-joined.
  QString discharge(const char* id) const {
    return scalar(QStringLiteral("SELECT PrescriptionDetails || '|' || DiseaseDetails || '|' || HealthDetails || '|' || "
                                 "DischargeDate || '|' || Discharged FROM SettingsInPatient WHERE EmployeeID = %1")
                      .arg(q(id)));
  }

  frmDischarge* form = nullptr;
};

TEST_F(DischargeTest, ListsOnlyPatientsMarkedExactlyNo) {
  addInPatient("IP1", "Asha", "No");
  addInPatient("IP2", "Bela", "no");
  addInPatient("IP3", "Chen", "No ");
  addInPatient("IP4", "Dara", "Yes");
  addInPatient("IP5", "Eli", nullptr);
  addInPatient("IP6", "Faye", "No");
  ASSERT_TRUE(open());
  EXPECT_EQ(items(form->cmbPatientName), (QStringList{"Asha", "Faye"}));
  EXPECT_EQ(form->cmbPatientName.currentText(), "");
  EXPECT_EQ(form->txtPatientID.text(), "");
  EXPECT_EQ(form->DTPicker1.date(), defaultToday());
  EXPECT_EQ(form->DTPicker1.displayFormat(), "dd/MM/yyyy");
  EXPECT_EQ(menus, QStringList{"hide"});
}

TEST_F(DischargeTest, AllDischargedOpensEmptyAndAnEmptyTableClosesWithItsMessage) {
  addInPatient("IP1", "Asha", "Yes");
  ASSERT_TRUE(open());  // no message expected
  EXPECT_EQ(form->cmbPatientName.count(), 0);
  form->Unload();
  QCoreApplication::processEvents();

  exec("DELETE FROM SettingsInPatient");
  menus.clear();
  boxes().expect("Please add the OutPatient Details First", "Warning", vbCritical);
  EXPECT_EQ(open(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

TEST_F(DischargeTest, OkRefusesInOrderWithFocusAndWritesNothing) {
  addInPatient("IP1", "Asha");
  ASSERT_TRUE(open());
  const struct {
    bool chooseName;
    const char* prescription;
    const char* disease;
    const char* health;
    const char* message;
  } steps[] = {
      {false, "Rest", "Flu", "Good", "Please Select the Patient Name"},
      {true, "", "Flu", "Good", "Please Select the Prescription  Details"},
      {true, "   ", "Flu", "Good", "Please Select the Prescription  Details"},
      {true, "Rest", "  ", "Good", "Please Select the Disease Details"},
      {true, "Rest", "Flu", " ", "Please Select the Health Details"},
  };
  QWidget* focus[] = {&form->cmbPatientName, &form->txtPrescription, &form->txtPrescription, &form->txtDisease,
                      &form->txtHealth};
  int i = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.message);
    if (s.chooseName) PickEntry(form->cmbPatientName, 0);
    fillDetails(s.prescription, s.disease, s.health);
    boxes().expect(s.message, "Warning", vbCritical);
    Click(form->Picture1);
    EXPECT_EQ(form->focusWidget(), focus[i++]);
    EXPECT_TRUE(LoadedForm<frmDischarge>());
  }
  EXPECT_EQ(discharge("IP1"), "") << "nothing may be written";
  EXPECT_EQ(scalar("SELECT Discharged FROM SettingsInPatient"), "No");
}

TEST_F(DischargeTest, OkWritesTheDetailsAsTypedWithTheIsoDateAndClosesAndThePatientLeavesTheList) {
  addInPatient("IP1", "Asha");
  addInPatient("IP2", "Bela");
  ASSERT_TRUE(open());
  TypeOver(form->cmbPatientName, "be");  // completed from the list
  EXPECT_EQ(form->cmbPatientName.currentText(), "Bela");
  EXPECT_EQ(form->txtPatientID.text(), "IP2");
  fillDetails("  Tab. X 1-0-1 ", "O'Neil's fever'); DROP TABLE SettingsInPatient; --", " Stable");
  form->DTPicker1.setFocus();
  PressKey(form->DTPicker1, Qt::Key_Down);  // a day back: an earlier day passes
  EXPECT_EQ(form->DTPicker1.date(), defaultToday().addDays(-1));
  menus.clear();
  okExpectingSuccess();
  EXPECT_EQ(discharge("IP2"),
            "  Tab. X 1-0-1 |O'Neil's fever'); DROP TABLE SettingsInPatient; --| Stable|2026-12-09|Yes");
  EXPECT_EQ(discharge("IP1"), "");
  EXPECT_EQ(menus, QStringList{"show"});

  ASSERT_TRUE(open());
  EXPECT_EQ(items(form->cmbPatientName), QStringList{"Asha"});
}

TEST_F(DischargeTest, FutureDateIsRefusedAndSetBackToToday) {
  addInPatient("IP1", "Asha");
  ASSERT_TRUE(open());
  form->DTPicker1.setFocus();
  boxes().expect(kFuture, "Warning", vbCritical);
  PressKey(form->DTPicker1, Qt::Key_Up);
  EXPECT_EQ(form->DTPicker1.date(), defaultToday());

  PickEntry(form->cmbPatientName, 0);
  fillDetails("Rest", "Flu", "Good");
  okExpectingSuccess();
  EXPECT_EQ(discharge("IP1"), "Rest|Flu|Good|2026-12-10|Yes");
}

TEST_F(DischargeTest, SameNameDischargesTheChosenAdmittedPatientAndNeverADischargedOne) {
  exec("INSERT INTO SettingsInPatient (EmployeeID, FirstName, PrescriptionDetails, DiseaseDetails, HealthDetails, "
       "DischargeDate, Discharged) VALUES ('IP1', 'Ann', 'Old rx', 'Old illness', 'Recovered', '2026-01-05', 'Yes')");
  addInPatient("IP2", "Ann");
  addInPatient("IP3", "Ann");
  const struct {
    const char* how;
    int entry;  // -1: typed
    const char* discharged;
  } cases[] = {{"typed", -1, "IP2"}, {"first entry", 0, "IP2"}, {"second entry", 1, "IP3"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    exec("UPDATE SettingsInPatient SET PrescriptionDetails = NULL, DiseaseDetails = NULL, HealthDetails = NULL, "
         "DischargeDate = NULL, Discharged = 'No' WHERE EmployeeID <> 'IP1'");
    ASSERT_TRUE(open());
    EXPECT_EQ(items(form->cmbPatientName), (QStringList{"Ann", "Ann"}));
    if (c.entry < 0)
      TypeOver(form->cmbPatientName, "Ann");
    else
      PickEntry(form->cmbPatientName, c.entry);
    EXPECT_EQ(form->txtPatientID.text(), c.discharged);
    fillDetails("Rest", "Flu", "Good");
    okExpectingSuccess();
    EXPECT_EQ(discharge(c.discharged), "Rest|Flu|Good|2026-12-10|Yes");
    EXPECT_EQ(rows("SettingsInPatient WHERE Discharged = 'Yes'"), 2);
    EXPECT_EQ(discharge("IP1"), "Old rx|Old illness|Recovered|2026-01-05|Yes");
  }
}

TEST_F(DischargeTest, NameMatchingNoListedPatientClearsTheIdentifier) {
  addInPatient("IP1", "Asha");
  addInPatient("IP2", "Bob", "Yes");
  ASSERT_TRUE(open());
  PickEntry(form->cmbPatientName, 0);
  ASSERT_EQ(form->txtPatientID.text(), "IP1");
  for (const char* typed : {"Zed", "Bob"}) {  // nobody, and a discharged patient
    SCOPED_TRACE(typed);
    TypeOver(form->cmbPatientName, typed);
    EXPECT_EQ(form->cmbPatientName.currentText(), "");
    EXPECT_EQ(form->txtPatientID.text(), "");
  }
  fillDetails("Rest", "Flu", "Good");
  boxes().expect(kSelectPatient, "Warning", vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(discharge("IP1"), "");
}

TEST_F(DischargeTest, IdentifierStoredWithBlanksIsStillFound) {
  addInPatient("IP7 ", " Gita ");
  ASSERT_TRUE(open());
  PickEntry(form->cmbPatientName, 0);
  EXPECT_EQ(form->txtPatientID.text(), "IP7 ");
  fillDetails("Rest", "Flu", "Good");
  okExpectingSuccess();
  EXPECT_EQ(discharge("IP7 "), "Rest|Flu|Good|2026-12-10|Yes");
}

TEST_F(DischargeTest, RefusedWriteShowsTheErrorKeepsTheFormAndCanBeRetried) {
  addInPatient("IP1", "Asha");
  exec("CREATE TRIGGER no_discharge BEFORE UPDATE ON SettingsInPatient "
       "BEGIN SELECT RAISE(ABORT, 'ward register locked'); END");
  ASSERT_TRUE(open());
  PickEntry(form->cmbPatientName, 0);
  fillDetails("Rest", "Flu", "Good");
  boxes().allowAny();
  Click(form->Picture1);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains("ward register locked")) << boxes().shown()[0].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[0].style, vbOKOnly);
  EXPECT_TRUE(LoadedForm<frmDischarge>());
  EXPECT_EQ(form->txtPrescription.toPlainText(), "Rest");
  EXPECT_EQ(scalar("SELECT Discharged FROM SettingsInPatient"), "No");

  exec("DROP TRIGGER no_discharge");
  okExpectingSuccess();
  EXPECT_EQ(discharge("IP1"), "Rest|Flu|Good|2026-12-10|Yes");
}

TEST_F(DischargeTest, CancelAndTheCloseMovieWriteNothing) {
  addInPatient("IP1", "Asha");
  for (int way = 0; way < 2; ++way) {
    ASSERT_TRUE(open());
    PickEntry(form->cmbPatientName, 0);
    fillDetails("Rest", "Flu", "Good");
    if (way == 0)
      Click(form->Picture2);
    else
      Click(form->ShockwaveFlash2);
    QCoreApplication::processEvents();
    EXPECT_EQ(LoadedForm<frmDischarge>(), nullptr);
  }
  EXPECT_EQ(discharge("IP1"), "");
  EXPECT_EQ(menus, (QStringList{"hide", "show", "hide", "show"}));
}

}  // namespace
