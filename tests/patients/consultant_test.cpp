// Consultant fees: when the form opens, saving with its checks in their order, what is stored,
// Delete and Modify of the shown fee only, the doctor look-up, and the laboratory list.
#include "discharge_support.h"
#include "masters/pricelists.h"
#include "patients/frmAddConsultant.h"
#include "support/record_bar.h"

namespace {

const QString kPair = "Please Select the Another Name and Patient ID\r\nThis Name Already Available";
const QString kConfirm = "Are you sure you want to delete this record?";

class ConsultantTest : public FormsTest {
protected:
  // Two doctors, an in-patient and an out-patient: what the form needs to open.
  void addLists() {
    addDoctor("Dr Rao");
    addDoctor("Dr Iyer");
    addInPatient("IP1", "Asha");
    addOutPatient("OP1");
  }
  void addFee(const char* date, const char* doctor, const char* amount, const char* patient) {
    exec(QStringLiteral("INSERT INTO SettingsConsultant VALUES (%1, %2, %3, %4)")
             .arg(q(date), q(doctor), q(amount), q(patient)));
  }
  frmAddConsultant* open() {
    form = ShowForm<frmAddConsultant>();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }
  // The fee table in reading order, rows ";"-joined, columns "|"-joined.
  QString fees() const {
    return scalar("SELECT group_concat(r, ';') FROM (SELECT Date || '|' || DrName || '|' || Amount || '|' || "
                  "patientid AS r FROM SettingsConsultant ORDER BY DrName COLLATE NOCASE, rowid)");
  }
  QString shown() const {
    return QStringList{form->DTPicker1.date().toString("yyyy-MM-dd"), form->cmbPatientID.currentText(),
                       form->txtPassword.text(), form->Combo1.currentText()}
        .join('|');
  }
  std::string mode() const { return RecordBarMode(form); }
  void fill(const QString& doctor, const QString& amount, const QString& patient) {
    TypeOver(form->cmbPatientID, doctor);
    TypeOver(form->txtPassword, amount);
    TypeOver(form->Combo1, patient);
  }
  void saveExpectingSuccess() {
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    EXPECT_EQ(mode(), "browse");
  }

  frmAddConsultant* form = nullptr;
};

TEST_F(ConsultantTest, OpensOnlyWithInPatientsOutPatientsAndDoctors) {
  const struct {
    const char* missing;
    const char* message;
  } cases[] = {
      {"SettingsInPatient", "Please add the Patient Details First"},
      {"SettingsOutPatient", "Please add the Patient Details First"},
      {"SettingDrDetails", "Please add the Dr. Details First"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.missing);
    for (const char* t : {"SettingsInPatient", "SettingsOutPatient", "SettingDrDetails"}) exec(QString("DELETE FROM ") + t);
    addLists();
    exec(QString("DELETE FROM ") + c.missing);
    menus.clear();
    boxes().expect(c.message, "Warning", vbCritical);
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(menus, (QStringList{"hide", "show"}));
  }
}

TEST_F(ConsultantTest, ListsAndFirstFeeAtLoadAndEmptyTableAnswersNoRecordFound) {
  addLists();
  addInPatient("IP10", "Bela");
  addInPatient("IP2", "Chen");
  ASSERT_TRUE(open());
  EXPECT_EQ(items(form->cmbPatientID), (QStringList{"Dr Iyer", "Dr Rao"}));
  EXPECT_EQ(items(form->Combo1), (QStringList{"IP1", "IP10", "IP2", "OP1"}));
  EXPECT_EQ(shown(), "2026-12-10|||");
  EXPECT_EQ(mode(), "browse");
  for (ImageButton* b : {&form->Picture1, &form->Picture2, &form->Picture3, &form->Picture4}) {
    boxes().expect("No Record Found", "", vbCritical);
    Click(*b);
  }
  boxes().expect("No Record Found", "", vbCritical);  // nothing is asked first
  Click(form->Picture7);
  form->Unload();
  QCoreApplication::processEvents();

  addFee("2026-11-02", "Dr Rao", "300", "OP1");
  addFee("2026-11-01", "Dr Iyer", "250", "IP1");
  ASSERT_TRUE(open());
  EXPECT_EQ(shown(), "2026-11-01|Dr Iyer|250|IP1");
  Click(form->Picture3);
  EXPECT_EQ(shown(), "2026-11-02|Dr Rao|300|OP1");
}

TEST_F(ConsultantTest, SaveRefusesInOrderAndStaysInEditModeWithTheRowPending) {
  addLists();
  addFee("2026-11-01", " Dr Rao", "300", "IP1 ");
  ASSERT_TRUE(open());
  Click(form->Picture5);
  EXPECT_EQ(shown(), "2026-12-10|||");
  const struct {
    const char* doctor;
    const char* amount;
    const char* patient;
    const char* message;
    const char* title;
  } steps[] = {
      {"", "500", "OP1", "Please Fill the Description", ""},
      {"Dr R", "500", "IP1", nullptr, "Warning"},  // the stored pair, blanks aside
      {"Dr R", "", "OP1", "Please Fill the Amount", ""},
      {"Dr R", "500", "", "Please Select Patient ID", ""},
  };
  QWidget* focus[] = {&form->cmbPatientID, &form->cmbPatientID, &form->txtPassword, &form->Combo1};
  int i = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(i);
    fill(s.doctor, s.amount, s.patient);
    boxes().expect(s.message ? QString(s.message) : kPair, s.title, vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(), "edit");
    EXPECT_EQ(form->focusWidget(), focus[i++]);
  }
  EXPECT_EQ(rows("SettingsConsultant"), 1);

  // Still the same pending row: a valid pair now saves exactly one new fee.
  fill("Dr R", "500", "OP1");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-11-01| Dr Rao|300|IP1 ;2026-12-10|Dr Rao|500|OP1");
  EXPECT_EQ(shown(), "2026-12-10|Dr Rao|500|OP1");
}

TEST_F(ConsultantTest, SaveStoresTheIsoDateAndTheTextsAsListedWhateverTheDate) {
  exec("INSERT INTO SettingDrDetails (DoctorID) VALUES ('  Dr Sen ')");
  addLists();
  ASSERT_TRUE(open());
  Click(form->Picture5);
  form->DTPicker1.setFocus();
  PressKey(form->DTPicker1, Qt::Key_Up);  // a fee may carry any date: no future guard
  EXPECT_EQ(form->DTPicker1.date(), defaultToday().addDays(1));
  form->cmbPatientID.setFocus();
  PickEntry(form->cmbPatientID, 0);
  ASSERT_EQ(form->cmbPatientID.currentText(), "  Dr Sen ");
  TypeOver(form->txtPassword, "1a2.3-4 ");
  EXPECT_EQ(form->txtPassword.text(), "1234");
  TypeOver(form->Combo1, "op");
  EXPECT_EQ(form->Combo1.currentText(), "OP1");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-12-11|  Dr Sen |1234|OP1");
  EXPECT_EQ(scalar("SELECT typeof(Date) FROM SettingsConsultant"), "text");
}

TEST_F(ConsultantTest, ModifyMayChangeTheDoctorAndThePatientButNotTakeAnotherRowsPair) {
  addLists();
  addFee("2026-11-01", "Dr Iyer", "250", "IP1");
  addFee("2026-11-02", "Dr Rao", "300", "OP1");
  ASSERT_TRUE(open());
  Click(form->Picture6);
  ASSERT_EQ(mode(), "edit");
  TypeOver(form->txtPassword, "275");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-11-01|Dr Iyer|275|IP1;2026-11-02|Dr Rao|300|OP1");

  // The two boxes alike: a pair another fee has is refused, whichever of them was changed.
  const struct {
    const char* doctor;
    const char* patient;
  } taken[] = {{"Dr R", "OP1"}, {nullptr, "OP1"}, {"Dr R", nullptr}};
  addFee("2026-11-03", "Dr Iyer", "100", "OP1");
  addFee("2026-11-04", "Dr Rao", "120", "IP1");
  for (const auto& t : taken) {
    SCOPED_TRACE(std::string(t.doctor ? t.doctor : "-") + "/" + (t.patient ? t.patient : "-"));
    Click(form->Picture1);
    ASSERT_EQ(shown(), "2026-11-01|Dr Iyer|275|IP1");
    Click(form->Picture6);
    if (t.doctor) TypeOver(form->cmbPatientID, t.doctor);
    if (t.patient) TypeOver(form->Combo1, t.patient);
    boxes().expect(kPair, "Warning", vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(), "edit");
    Click(form->Picture10);
  }
  EXPECT_EQ(fees(), "2026-11-01|Dr Iyer|275|IP1;2026-11-03|Dr Iyer|100|OP1;2026-11-02|Dr Rao|300|OP1;"
                    "2026-11-04|Dr Rao|120|IP1");

  // A pair no other fee has is saved, the doctor and the patient changed together.
  exec("DELETE FROM SettingsConsultant WHERE Date > '2026-11-02'");
  Click(form->Picture1);
  Click(form->Picture6);
  TypeOver(form->cmbPatientID, "Dr R");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-11-01|Dr Rao|275|IP1;2026-11-02|Dr Rao|300|OP1");
  Click(form->Picture6);
  TypeOver(form->cmbPatientID, "Dr I");
  TypeOver(form->Combo1, "OP1");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-11-01|Dr Iyer|275|OP1;2026-11-02|Dr Rao|300|OP1");
}

TEST_F(ConsultantTest, DeleteShowsTheNextFeeAndEmptiesTheBoxesAfterTheLast) {
  addLists();
  addFee("2026-11-01", "Dr Iyer", "250", "IP1");
  addFee("2026-11-02", "Dr Rao", "300", "OP1");
  ASSERT_TRUE(open());
  Click(form->Picture4);
  ASSERT_EQ(shown(), "2026-11-02|Dr Rao|300|OP1");

  boxes().expect(kConfirm, "Confirm Delete", vbYesNo + vbQuestion, vbNo);
  Click(form->Picture7);
  EXPECT_EQ(rows("SettingsConsultant"), 2);

  boxes().expect(kConfirm, "Confirm Delete", vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(fees(), "2026-11-01|Dr Iyer|250|IP1");
  EXPECT_EQ(shown(), "2026-11-01|Dr Iyer|250|IP1");  // the new last fee

  boxes().expect(kConfirm, "Confirm Delete", vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(rows("SettingsConsultant"), 0);
  EXPECT_EQ(shown(), "2026-12-10|||");
}

TEST_F(ConsultantTest, DeleteAndModifyRefuseWhenTheBoxesDoNotShowTheCurrentFee) {
  addLists();
  addFee("2026-11-01", "Dr Iyer", "250", "IP1");
  addFee("2026-11-02", "Dr Rao", "300", "OP1");
  ASSERT_TRUE(open());
  const QString kSelect = "Please select any Record";

  // After New then Cancel the boxes are empty while the first fee is still current.
  Click(form->Picture5);
  Click(form->Picture10);
  ASSERT_EQ(shown(), "2026-12-10|||");
  boxes().expect(kSelect, "", vbCritical);  // nothing is asked first
  Click(form->Picture7);
  boxes().expect(kSelect, "", vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(), "browse");

  // A pair no fee has: the look-up leaves the first fee current.
  Click(form->Picture1);
  PickEntry(form->cmbPatientID, 1);  // Dr Rao with IP1
  ASSERT_EQ(form->cmbPatientID.currentText(), "Dr Rao");
  ASSERT_EQ(form->txtPassword.text(), "250");
  boxes().expect(kSelect, "", vbCritical);
  Click(form->Picture7);
  boxes().expect(kSelect, "", vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(rows("SettingsConsultant"), 2);
}

TEST_F(ConsultantTest, DoctorLookUpShowsTheMatchingFeeInBrowseModeOnly) {
  addLists();
  addFee("2026-11-01", "Dr Iyer", "250", "OP1");
  addFee("2026-11-02", "Dr Rao ", "300", "OP1");
  ASSERT_TRUE(open());
  ASSERT_EQ(shown(), "2026-11-01|Dr Iyer|250|OP1");
  PickEntry(form->cmbPatientID, 1);  // Dr Rao, stored with a blank
  EXPECT_EQ(shown(), "2026-11-02|Dr Rao |300|OP1");
  Click(form->Picture2);  // and the fee found is the current one
  EXPECT_EQ(shown(), "2026-11-01|Dr Iyer|250|OP1");

  Click(form->Picture5);
  TypeOver(form->Combo1, "OP1");
  PickEntry(form->cmbPatientID, 1);
  EXPECT_EQ(shown(), "2026-12-10|Dr Rao|" "|OP1") << "edit mode: no look-up";
  Click(form->Picture10);
}

// A pair is matched with blanks trimmed and case counting, whatever the cells hold, by both the
// doctor look-up (the first matching fee in the form's order) and the duplicate check of Save;
// the patient box lists the identifier exactly as the fee stores it.
TEST_F(ConsultantTest, APairMatchesTrimmedWithCaseCountingWhateverTheCellsHold) {
  addLists();
  addInPatient("ip1", "Dev");  // IP1 but for the case
  addFee("2026-11-01", "Dr Rao ", "300", "IP1");
  addFee("2026-11-02", "Dr Iyer", "250", "ip1");
  addFee("2026-11-03", "Dr Rao", "500", "IP1");  // before "Dr Rao " in the form's order
  exec("INSERT INTO SettingsConsultant VALUES ('2026-11-04', CAST('Dr Sen' AS BLOB), '100', NULL)");
  addFee("2026-11-05", "Dr Adams", "50", "OP1");  // the first fee
  ASSERT_TRUE(open());
  const struct {
    const char* doctor;
    const char* patient;
    const char* found;  // the amount the look-up shows; nullptr: none, the first fee stays
  } cases[] = {
      {"Dr Rao", "IP1", "500"},
      {" Dr Rao", "IP1 ", "500"},
      {"Dr Iyer", "ip1", "250"},
      {"Dr Iyer", "IP1", nullptr},
      {"Dr Sen", " ", "100"},  // a blob and a NULL compare as their texts
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.doctor) + "/" + c.patient);
    Click(form->Picture1);
    ASSERT_EQ(form->txtPassword.text(), "50");
    form->Combo1.setEditText(c.patient);
    form->cmbPatientID.setFocus();
    form->cmbPatientID.setEditText(c.doctor);
    form->txtPassword.setFocus();  // the doctor box loses the focus: the look-up
    EXPECT_EQ(form->txtPassword.text(), c.found ? c.found : "50");
    if (c.found) {
      EXPECT_EQ(form->Combo1.itemText(form->Combo1.currentIndex()), form->Combo1.currentText());
    }

    Click(form->Picture5);
    form->cmbPatientID.setEditText(c.doctor);
    form->txtPassword.setText("1");
    form->Combo1.setEditText(c.patient);
    if (c.found) {
      boxes().expect(kPair, "Warning", vbCritical);
      Click(form->Picture9);
      Click(form->Picture10);
    } else {
      saveExpectingSuccess();
    }
  }
  EXPECT_EQ(rows("SettingsConsultant"), 6);
}

TEST_F(ConsultantTest, NewThenCancelOnAnEmptyTableLeavesNothingBehind) {
  addLists();
  ASSERT_TRUE(open());
  Click(form->Picture5);
  fill("Dr R", "100", "IP1");
  Click(form->Picture10);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(rows("SettingsConsultant"), 0);
  Click(form->Picture5);
  fill("Dr I", "150", "IP1");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-12-10|Dr Iyer|150|IP1");
}

TEST_F(ConsultantTest, RefusedWriteShowsTheErrorAndKeepsTheNewFeePending) {
  addLists();
  exec("CREATE TRIGGER no_fee BEFORE INSERT ON SettingsConsultant BEGIN SELECT RAISE(ABORT, 'fee book closed'); END");
  ASSERT_TRUE(open());
  Click(form->Picture5);
  fill("Dr R", "100", "IP1");
  boxes().allowAny();
  Click(form->Picture9);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains("fee book closed")) << boxes().shown()[0].prompt.toStdString();
  EXPECT_EQ(mode(), "edit");

  exec("DROP TRIGGER no_fee");
  saveExpectingSuccess();
  EXPECT_EQ(fees(), "2026-12-10|Dr Rao|100|IP1");
}

TEST_F(ConsultantTest, ViewAllShowsTheLaboratoryListOverTheForm) {
  addLists();
  exec("INSERT INTO SettingsLab VALUES ('Blood sugar', '80')");
  ASSERT_TRUE(open());
  Click(form->Picture8);
  ASSERT_NE(LoadedForm<frmViewAllLab>(), nullptr);
  EXPECT_FALSE(form->isEnabled());
}

}  // namespace
