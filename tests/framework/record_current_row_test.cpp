// Every record form acts only on the row its boxes show: a key typed over in browse mode (or a
// look-up that found nothing) leaves Delete, Modify and Save after Modify nothing to act on, and
// they refuse without asking or writing anything.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "data/vbdes.h"
#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "framework/recordform.h"
#include "globals.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddEmployeeDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/patientrecord.h"
#include "shell/frmAddNewUser.h"
#include "support/fixture.h"
#include "support/input.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << '"' << texts.join('|').toStdString() << '"'; }

namespace {

const QString kSelect = QStringLiteral("Please select any Record");
const QString kQuestion = QStringLiteral("Are you sure you want to delete this record?");
const QString kSaved = QStringLiteral("Record Saved Successfully");

// One record form with two stored rows.
struct FormCase {
  const char* name;
  QStringList setUp;                       // SQL that stores the rows (and what the form needs to open)
  const char* table;                       // the form's table, compared whole before and after
  std::function<RecordForm*()> open;
  std::function<QWidget*(RecordForm*)> key;    // the key box
  std::function<QLineEdit*(RecordForm*)> other;  // a box Modify changes beside the key (may be null)
  const char* title;                       // the title the form's refusals carry
  const char* typed;                       // typed over the key in browse mode: no row's key
};

inline void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

template <class F>
std::function<RecordForm*()> opener() {
  return [] { return static_cast<RecordForm*>(ShowForm<F>()); };
}

QString user(const char* name) {
  return QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES ('%1', '%2', '%3')")
      .arg(QLatin1String(name), CipherText(QStringLiteral("pw"), true), CipherText(QStringLiteral("Admin"), true));
}

QString employee(const char* id, const char* first) {
  return QStringLiteral("INSERT INTO SettingsEmployeeDetails VALUES ('%1', '%2', 'K', 'Male', '98765', '4000', "
                        "'05/12/1980', ' 46 Years,  0 Months,  5 Days', '77', '12 Lake Road', 'a@b.c', 'Nurse', "
                        "'B.Sc')")
      .arg(QLatin1String(id), QLatin1String(first));
}

QString patient(const char* table, const char* id, const char* name) {
  return QStringLiteral("INSERT INTO %1 (EmployeeID, FirstName, Sex, MobilePhone, Age, Address, Location) VALUES "
                        "('%2', '%3', 'Male', '5551234', '30', '1 Hill Rd', 'Eastgate')")
      .arg(QLatin1String(table), QLatin1String(id), QLatin1String(name));
}

std::vector<FormCase> Forms() {
  std::vector<FormCase> forms;
  forms.push_back({"user", {user("tumbo"), user("kip")}, "SettingsNewUser", opener<frmAddNewUser>(),
                   [](RecordForm* f) { return &static_cast<frmAddNewUser*>(f)->txtUserName; }, nullptr, "", "zed"});
  forms.push_back({"doctor",
                   {"INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Amina', 'Amina'), ('Dr.Kofi', "
                    "'Kofi')"},
                   "SettingDrDetails", opener<frmAddDoctorDetail>(),
                   [](RecordForm* f) { return &static_cast<frmAddDoctorDetail*>(f)->txtDoctorID; },
                   [](RecordForm* f) { return &static_cast<frmAddDoctorDetail*>(f)->txtMobilePhone; }, "Warning",
                   "Dr.Ghost"});
  forms.push_back({"employee", {employee("7", "Ravi"), employee("8", "Meena")}, "SettingsEmployeeDetails",
                   opener<frmAddEmployeeDetail>(),
                   [](RecordForm* f) { return &static_cast<frmAddEmployeeDetail*>(f)->txtEmployeeID; },
                   [](RecordForm* f) { return &static_cast<frmAddEmployeeDetail*>(f)->txtMobilePhone; }, "Warning",
                   "999"});
  forms.push_back({"laboratory", {"INSERT INTO SettingsLab VALUES ('abc', '10'), ('CBC', '200')"}, "SettingsLab",
                   opener<frmAddLabDetails>(),
                   [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->cmbPatientID; },
                   [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->txtPassword; }, "", "Zinc"});
  forms.push_back({"xray", {"INSERT INTO SettingsXRay VALUES ('Chest', '300', '150'), ('Skull', '400', '200')"},
                   "SettingsXRay", opener<frmAddXRayDetails>(),
                   [](RecordForm* f) { return &static_cast<frmAddXRayDetails*>(f)->txtUserName; },
                   [](RecordForm* f) { return &static_cast<frmAddXRayDetails*>(f)->txtPassword; }, "", "Knee"});
  for (const char* table : {"SettingsOutPatient", "SettingsInPatient"}) {
    const bool out = QLatin1String(table) == QLatin1String("SettingsOutPatient");
    forms.push_back({out ? "outpatient" : "inpatient",
                     {patient(table, out ? "OP1" : "IP1", "One"), patient(table, out ? "OP2" : "IP2", "Two")}, table,
                     out ? opener<frmAddOutPatient>() : opener<frmAddInPatient>(),
                     [](RecordForm* f) { return &static_cast<PatientRecordForm*>(f)->cmbPatientID; },
                     [](RecordForm* f) { return &static_cast<PatientRecordForm*>(f)->txtMobilePhone; }, "Warning",
                     "ZZ"});
  }
  // The doctor box completes from its list only: "Dr R" gives "Dr Rao", whose fee is for another
  // patient than the one shown.
  forms.push_back({"consultant",
                   {"INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Rao'), ('Dr Iyer')",
                    patient("SettingsInPatient", "IP1", "Asha"), patient("SettingsOutPatient", "OP1", "Walk In"),
                    "INSERT INTO SettingsConsultant VALUES ('2026-11-01', 'Dr Iyer', '250', 'IP1'), "
                    "('2026-11-02', 'Dr Rao', '300', 'OP1')"},
                   "SettingsConsultant", opener<frmAddConsultant>(),
                   [](RecordForm* f) { return &static_cast<frmAddConsultant*>(f)->cmbPatientID; },
                   [](RecordForm* f) { return &static_cast<frmAddConsultant*>(f)->txtPassword; }, "", "Dr R"});
  return forms;
}

class RecordRowTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  RecordForm* openForm(const std::function<RecordForm*()>& open) {
    form = open();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }

  // Every row of a table, every column, in the table's order.
  QString snapshot(const QString& table) const {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid"), openDb(), adOpenStatic,
            adLockReadOnly);
    QStringList rows;
    for (; !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rs.Fields(i).toText();
      rows << cells.join('|');
    }
    return rows.join('\n');
  }

  static QString text(QWidget* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText();
    return qobject_cast<QLineEdit*>(box)->text();
  }
  std::string mode() const {
    bool browse = true, edit = true;
    for (int n = 1; n <= 10; ++n) {
      const bool shown = form->RecordButton(n)->isVisible();
      (n <= 8 ? browse : edit) &= shown;
      (n <= 8 ? edit : browse) &= !shown;
    }
    return browse ? "browse" : edit ? "edit" : "broken";
  }

  RecordForm* form = nullptr;
};

class EveryRecordForm : public RecordRowTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(EveryRecordForm, AKeyTypedOverInBrowseModeNamesNoRowToDeleteModifyOrSave) {
  const FormCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  const QString table = QLatin1String(c.table);
  const QString before = snapshot(table);
  ASSERT_NE(openForm(c.open), nullptr);
  QWidget* key = c.key(form);
  const QString title = QLatin1String(c.title);
  const QString shownKey = text(key);
  ASSERT_FALSE(shownKey.isEmpty());

  // Typed over: the boxes no longer show the current row.
  TypeOver(key, QString::fromUtf8(c.typed));
  ASSERT_NE(text(key), shownKey);
  boxes().expect(kSelect, title, vbCritical);  // and no question before it
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(snapshot(table), before);
  boxes().expect(kSelect, title, vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(), "browse");
  EXPECT_FALSE(form->EditFlag);  // a refused Modify leaves no modification begun

  // Modify of the row shown, then its key typed over: Save writes nothing.
  Click(form->Picture1);
  ASSERT_EQ(text(key), shownKey);
  Click(form->Picture6);
  ASSERT_EQ(mode(), "edit");
  TypeOver(key, QString::fromUtf8(c.typed));
  if (c.other) TypeOver(c.other(form), QStringLiteral("99"));
  boxes().expect(kSelect, title, vbCritical);
  Click(form->Picture9);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(snapshot(table), before);
  Click(form->Picture10);

  // After Cancel the boxes are empty while the first row is still current.
  boxes().expect(kSelect, title, vbCritical);
  Click(form->Picture7);
  EXPECT_EQ(snapshot(table), before);

  // The row shown is deleted once the user says so.
  Click(form->Picture1);
  boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(snapshot(table).count('\n'), before.count('\n') - 1);
}

TEST_P(EveryRecordForm, AnEmptyTableRefusesDeleteBeforeAnyQuestion) {
  const FormCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  exec(QStringLiteral("DELETE FROM ") + QLatin1String(c.table));
  ASSERT_NE(openForm(c.open), nullptr);
  TypeOver(c.key(form), QString::fromUtf8(c.typed));
  // The patient and doctor forms name the empty box first; every form names the empty table
  // once something is typed.
  boxes().expect(QStringLiteral("No Record Found"), QLatin1String(c.title), vbCritical);
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryRecordForm, ::testing::ValuesIn(Forms()),
                         [](const auto& info) { return std::string(info.param.name); });

// The laboratory form looks a typed description up: one that no row has leaves no row to act on.
class LabRowTest : public RecordRowTest {
protected:
  void SetUp() override {
    RecordRowTest::SetUp();
    exec(QStringLiteral("INSERT INTO SettingsLab VALUES ('abc', '10'), ('CBC', '200')"));
    lab = static_cast<frmAddLabDetails*>(openForm(opener<frmAddLabDetails>()));
    ASSERT_NE(lab, nullptr);
  }
  QString table() const {
    return scalar(QStringLiteral("SELECT group_concat(Description || '=' || Amount, '|') FROM "
                                 "(SELECT * FROM SettingsLab ORDER BY rowid)"));
  }
  QString shown() const { return lab->cmbPatientID.currentText() + '=' + lab->txtPassword.text(); }
  frmAddLabDetails* lab = nullptr;
};

TEST_F(LabRowTest, ZincTypedOverAbcIsNeitherDeletedNorSavedOverAbc) {
  ASSERT_EQ(shown(), "abc=10");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture7);
  EXPECT_EQ(table(), "abc=10|CBC=200");

  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(table(), "abc=10|CBC=200");

  // A new investigation of that name is still what New is for.
  Click(lab->Picture5);
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  TypeOver(&lab->txtPassword, QStringLiteral("99"));
  boxes().expect(kSaved);
  Click(lab->Picture9);
  EXPECT_EQ(table(), "abc=10|CBC=200|Zinc=99");
}

TEST_F(LabRowTest, ALookUpThatFindsNothingLeavesNoRowAndTheBarStillMoves) {
  Click(lab->Picture4);
  ASSERT_EQ(shown(), "CBC=200");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  lab->txtPassword.setFocus();  // leaving the box looks the description up
  EXPECT_EQ(shown(), "Zinc=200");  // the amount stays as it was, but no row is current
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "browse");
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture7);
  EXPECT_EQ(table(), "abc=10|CBC=200");

  // Next and Previous from there show the last row again, without an error.
  Click(lab->Picture3);
  EXPECT_EQ(shown(), "CBC=200");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  lab->txtPassword.setFocus();
  Click(lab->Picture2);
  EXPECT_EQ(shown(), "CBC=200");

  // A description that is found makes its row the current one again.
  TypeOver(&lab->cmbPatientID, QStringLiteral("ab"));
  lab->txtPassword.setFocus();
  EXPECT_EQ(shown(), "abc=10");
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "edit");
  Click(lab->Picture10);
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
